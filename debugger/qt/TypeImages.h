#pragma once
#include <QIcon>
#include <array>

// The seven 16x16 pictures of the debug tree lines, by image index.
constexpr int TypeImageCount = 7;
const std::array<QIcon, TypeImageCount>& TypeImages();
