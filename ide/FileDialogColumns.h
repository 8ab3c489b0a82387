#pragma once

class QFileDialog;

// Makes `dialog`, when it first shows, as wide as its detail list needs to
// show whole the column titles, the sizes, types and dates, and names of
// ordinary length of its folder's entries.
void ShowColumnsWhole(QFileDialog& dialog);
