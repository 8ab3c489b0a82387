#include "platform/Registry.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

struct TRegistry::Impl {
    explicit Impl(QSettings* s) : settings(s) {}
    std::unique_ptr<QSettings> settings;
    int writeError = 0;
};

namespace {
std::string NormalisedKey(std::string key) {
    std::replace(key.begin(), key.end(), '\\', '/');
    std::string out;
    for (char c : key)
        if (c != '/' || (!out.empty() && out.back() != '/')) out += c;
    if (!out.empty() && out.back() == '/') out.pop_back();
    return out;
}

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toUtf8().toStdString(); }

// Decimal text of an unsigned 32-bit value; a negative 32-bit value is taken
// as its two's complement.
bool ParseInteger(const std::string& text, uint32_t& value) {
    if (text.empty() || text.size() > 11) return false;
    size_t start = text[0] == '-' ? 1 : 0;
    if (start == text.size()) return false;
    for (size_t i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    long long v = std::strtoll(text.c_str(), nullptr, 10);
    if (v > 0xFFFFFFFFLL || v < -0x80000000LL) return false;
    value = static_cast<uint32_t>(v);
    return true;
}

std::string VariantText(const QVariant& v) {
    if (v.typeId() == QMetaType::QStringList) return S(v.toStringList().join(','));
    return S(v.toString());
}
}  // namespace

TRegistry::TRegistry()
    : impl_(std::make_unique<Impl>(new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                                 "HalvoricInc", "CorvaneTorve"))) {}

TRegistry::TRegistry(const std::string& file)
    : impl_(std::make_unique<Impl>(new QSettings(Q(file), QSettings::IniFormat))) {}

TRegistry::~TRegistry() { Flush(); }

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    bool absolute = !key.empty() && (key[0] == '/' || key[0] == '\\');
    std::string path = NormalisedKey(absolute || current_.empty() ? key : current_ + "/" + key);
    while (!impl_->settings->group().isEmpty()) impl_->settings->endGroup();
    if (!canCreate && !KeyExists(path)) {
        if (!current_.empty()) impl_->settings->beginGroup(Q(current_));
        return false;
    }
    if (!path.empty()) impl_->settings->beginGroup(Q(path));
    current_ = path;
    return true;
}

void TRegistry::CloseKey() {
    while (!impl_->settings->group().isEmpty()) impl_->settings->endGroup();
    current_.clear();
    Flush();
}

std::string TRegistry::ReadString(const std::string& name) const {
    QVariant v = impl_->settings->value(Q(name));
    return v.isValid() ? VariantText(v) : std::string();
}

uint32_t TRegistry::ReadInteger(const std::string& name) const {
    QVariant v = impl_->settings->value(Q(name));
    if (!v.isValid()) throw ERegistryException("Value '" + name + "' does not exist");
    uint32_t value = 0;
    if (!ParseInteger(VariantText(v), value))
        throw ERegistryException("Invalid data type for '" + name + "'");
    return value;
}

void TRegistry::WriteString(const std::string& name, const std::string& text) {
    impl_->settings->setValue(Q(name), Q(text));
}

void TRegistry::WriteInteger(const std::string& name, uint32_t value) {
    impl_->settings->setValue(Q(name), QString::number(value));
}

bool TRegistry::ValueExists(const std::string& name) const {
    return impl_->settings->childKeys().contains(Q(name));
}

bool TRegistry::DeleteValue(const std::string& name) {
    if (!ValueExists(name)) return false;
    impl_->settings->remove(Q(name));
    return true;
}

bool TRegistry::KeyExists(const std::string& key) const {
    std::string path = NormalisedKey(key);
    if (path.empty()) return true;
    impl_->settings->beginGroup(Q(path));
    bool exists = !impl_->settings->allKeys().isEmpty();
    impl_->settings->endGroup();
    return exists;
}

bool TRegistry::DeleteKey(const std::string& key) {
    std::string path = NormalisedKey(key);
    if (path.empty() || !KeyExists(path)) return false;
    impl_->settings->remove(Q(path));
    return true;
}

std::vector<std::string> TRegistry::GetKeyNames() const {
    std::vector<std::string> names;
    for (const QString& k : impl_->settings->childGroups()) names.push_back(S(k));
    return names;
}

std::vector<std::string> TRegistry::GetValueNames() const {
    std::vector<std::string> names;
    for (const QString& k : impl_->settings->childKeys()) names.push_back(S(k));
    return names;
}

// The store's error status stays set once a write failed, so after a failure
// the file itself is asked whether it can be written now, and why not.
bool TRegistry::Flush() {
    impl_->settings->sync();
    impl_->writeError = 0;
    if (impl_->settings->status() == QSettings::NoError) return true;
    const int fd = ::open(impl_->settings->fileName().toLocal8Bit().constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    impl_->writeError = errno;
    return false;
}

int TRegistry::WriteErrorNumber() const { return impl_->writeError; }

std::string TRegistry::FileName() const { return S(impl_->settings->fileName()); }
