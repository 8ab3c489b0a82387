#include "platform/DisplayKey.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

// Local socket paths are short: a longer key is replaced by its hash.
constexpr size_t LongestKey = 40;

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Letters, digits, '.', '_' and '-' stay; every other byte becomes %XX, so
// that two displays never share a key.
std::string FileNamePart(const std::string& text)
{
    std::string part;
    for (const unsigned char c : text) {
        if (std::isalnum(c) || c == '.' || c == '_' || c == '-') {
            part += char(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            part += escaped;
        }
    }
    return part;
}

std::string Hash(const std::string& text)
{
    const QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha1);
    return digest.toHex().left(16).toStdString();
}

}  // namespace

std::string DisplayKey()
{
    const QString platform = QGuiApplication::platformName();
    std::string display;
    if (platform == "xcb") {
        display = Variable("DISPLAY");
    } else if (platform.startsWith("wayland")) {
        display = Variable("WAYLAND_DISPLAY");
        if (display.empty()) display = "wayland-0";  // the one Wayland connects to then
    }
    if (display.empty()) display = platform.isEmpty() ? "offscreen" : platform.toStdString();
    const std::string key = FileNamePart(display);
    return key.size() <= LongestKey ? key : Hash(display);
}

std::string PerDisplayName(const std::string& name)
{
    return name + "-" + DisplayKey();
}
