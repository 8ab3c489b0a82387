#include "editor/control/SrcGutter.h"

#include <algorithm>

TSrcGutter::TSrcGutter() {
    font_.SetName("Courier New");
    font_.SetSize(8);
    font_.SetStyle({});
    font_.OnChange = TNotifyEvent::Of<&TSrcGutter::FontChanged>(this);
}

void TSrcGutter::Assign(const TPersistent* Source) {
    auto* source = dynamic_cast<const TSrcGutter*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    TNotifyEvent fontHandler = font_.OnChange;
    font_.OnChange = nullptr;  // the copy fires once, at the end
    font_.Assign(&source->font_);
    font_.OnChange = fontHandler;
    useFontStyle_ = source->useFontStyle_;
    color_ = source->color_;
    visible_ = source->visible_;
    width_ = source->width_;
    showLineNumbers_ = source->showLineNumbers_;
    leadingZeros_ = source->leadingZeros_;
    zeroStart_ = source->zeroStart_;
    leftOffset_ = source->leftOffset_;
    digitCount_ = source->digitCount_;
    rightOffset_ = source->rightOffset_;
    autoSize_ = source->autoSize_;
    autoSizeDigitCount_ = source->autoSizeDigitCount_;
    lineNumberStart_ = source->lineNumberStart_;
    Changed();
}

int TSrcGutter::AdjustedLine(int Line) const {
    if (zeroStart_) {
        return Line - 1;
    }
    return lineNumberStart_ > 1 ? Line + lineNumberStart_ - 1 : Line;
}

void TSrcGutter::AutoSizeDigitCount(int LinesCount) {
    if (!visible_ || !autoSize_ || !showLineNumbers_) {
        autoSizeDigitCount_ = digitCount_;
        return;
    }
    int number = AdjustedLine(LinesCount);
    int digits = static_cast<int>(std::to_string(number).size());
    int count = std::max(digits, digitCount_);
    if (count != autoSizeDigitCount_) {
        autoSizeDigitCount_ = count;
        Changed();
    }
}

std::string TSrcGutter::FormatLineNumber(int Line) const {
    std::string number = std::to_string(AdjustedLine(Line));
    size_t field = static_cast<size_t>(std::max(autoSizeDigitCount_, 0));
    if (number.size() >= field) {
        return number;
    }
    std::string padded = std::string(field - number.size(), ' ') + number;
    if (leadingZeros_) {
        // Every leading space but the field's last position becomes "0".
        for (size_t i = 0; i + 1 < field && padded[i] == ' '; ++i) {
            padded[i] = '0';
        }
    }
    return padded;
}

int TSrcGutter::RealGutterWidth(int CharWidth) const {
    if (!visible_) {
        return 0;
    }
    if (showLineNumbers_) {
        return leftOffset_ + rightOffset_ + autoSizeDigitCount_ * CharWidth + 2;
    }
    return width_;
}

void TSrcGutter::SetWidth(int Value) { Set(width_, std::max(Value, 0)); }

void TSrcGutter::SetDigitCount(int Value) {
    Value = std::clamp(Value, 2, 12);
    if (Value != digitCount_) {
        digitCount_ = Value;
        autoSizeDigitCount_ = Value;
        Changed();
    }
}

void TSrcGutter::SetLeftOffset(int Value) { Set(leftOffset_, std::max(Value, 0)); }

void TSrcGutter::SetRightOffset(int Value) { Set(rightOffset_, std::max(Value, 0)); }

void TSrcGutter::SetLineNumberStart(int Value) {
    Value = std::max(Value, 0);
    if (Value != lineNumberStart_) {
        lineNumberStart_ = Value;
        zeroStart_ = Value == 0;
        Changed();
    }
}

void TSrcGutter::SetGradientSteps(int Value) { Set(gradientSteps_, std::max(Value, 2)); }
