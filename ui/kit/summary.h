#pragma once

// A calculator's inputs and results as plain text, for the clipboard: the
// window's caption, then a line "name: value unit" for each input and result,
// in exactly the texts the window shows, and its status texts as they stand.
// The window's context menu and Ctrl+Shift+C copy it.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace vorvan::kit {

class Summary
{
public:
    explicit Summary(const QString &caption);
    // A name that ends in its unit ("weight in Kg") drops it, the unit following the value.
    Summary &field(const QString &name, const QString &value, const QString &unit = {});
    Summary &line(const QString &text);
    Summary &noResultYet();
    QString text() const;

private:
    QStringList m_lines;
};

// The text of the label of that object name in `window`: a field's name in the window's own words.
QString caption(const QWidget *window, const char *label);

// Gives `window` a context menu entry "Copy Results" and the shortcut
// Ctrl+Shift+C, which put `summary()` on the clipboard. Text boxes keep their
// own context menu; sliders, which would offer scrolling, defer to the window's.
void offerCopyResults(QWidget *window, std::function<QString()> summary);

} // namespace vorvan::kit
