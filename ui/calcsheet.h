#pragma once

// A calculation sheet: one page of PDF with the window's caption, the date and
// the program's version, the window itself as it stands, its inputs and results
// as text (the lines of Copy Results) and the maker's details, for filing or
// sending on.

#include <QString>

#include <functional>

class QWidget;

namespace vorvan::ui {

// Gives `window` a context menu entry "Save as PDF…" and the shortcut
// Ctrl+Shift+S, which ask for a file name and write the sheet there, with
// `summary()` as its text. Offered after Copy Results, beside it.
void offerSaveAsPdf(QWidget *window, std::function<QString()> summary);

} // namespace vorvan::ui
