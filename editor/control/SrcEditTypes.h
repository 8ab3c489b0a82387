#pragma once
#include <cstdint>

#include "editor/support/SmallSet.h"

// The editor control's option set; bit n is value n.
enum TSrcEditorOption : uint8_t {
    eoAltSetsColumnMode,
    eoAutoIndent,
    eoAutoSizeMaxScrollWidth,
    eoDisableScrollArrows,
    eoDragDropEditing,
    eoDropFiles,
    eoEnhanceHomeKey,
    eoEnhanceEndKey,
    eoGroupUndo,
    eoHalfPageScroll,
    eoHideShowScrollbars,
    eoKeepCaretX,
    eoNoCaret,
    eoNoSelection,
    eoRightMouseMovesCursor,
    eoScrollByOneLess,
    eoScrollHintFollows,
    eoScrollPastEof,
    eoScrollPastEol,
    eoShowScrollHint,
    eoShowSpecialChars,
    eoSmartTabDelete,
    eoSmartTabs,
    eoSpecialLineDefaultFg,
    eoTabIndent,
    eoTabsToSpaces,
    eoTrimTrailingSpaces,
};
using TSrcEditorOptions = TSmallSet<TSrcEditorOption, uint32_t>;

// eoAutoIndent, eoDragDropEditing, eoEnhanceEndKey, eoGroupUndo,
// eoScrollPastEol, eoShowScrollHint, eoSmartTabDelete, eoSmartTabs and
// eoTabsToSpaces.
constexpr uint32_t SRCEDIT_DEFAULT_OPTIONS = 0x026C0192;

enum TSrcStateFlag : uint8_t {
    sfCaretChanged,
    sfScrollbarChanged,
    sfLinesChanging,
    sfIgnoreNextChar,
    sfCaretVisible,
    sfDblClicked,
    sfPossibleGutterClick,
    sfWaitForDragging,
    sfGutterDragging,
};
using TSrcStateFlags = TSmallSet<TSrcStateFlag, uint16_t>;

enum TSrcStatusChange : uint8_t {
    scAll,
    scCaretX,
    scCaretY,
    scLeftChar,
    scTopLine,
    scInsertMode,
    scModified,
    scSelection,
    scReadOnly,
};
using TSrcStatusChanges = TSmallSet<TSrcStatusChange, uint16_t>;

enum TSrcEditCaretType : uint8_t { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };

enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

enum TBorderStyle : uint8_t { bsNone, bsSingle };

enum TScrollHintFormat : uint8_t { shfTopLineOnly, shfTopToBottom };

enum TTransientType : uint8_t { ttBefore, ttAfter };

constexpr int32_t SRCEDIT_MAX_INT = 2147483647;

// The timer that scrolls while the mouse is held outside the text.
constexpr int SRCEDIT_SCROLL_TIMER = 1;
