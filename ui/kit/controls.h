#pragma once

// The controls a window is built from, each made by one call that sets its
// object name, its place in twips (converted with at()) and its Look; the
// colour setters the windows' procedures use; and the two event helpers the
// windows need beyond Qt's signals.

#include "ui/kit/look.h"

#include <QRect>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace vorvan::kit {

// What every factory does first: the object name, the place and the look's
// tool tip and accessible name (the look's own, or else the tool tip).
void setUp(QWidget *w, const char *name, const QRect &r, const Look &look = {});

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &r, const Look &look = {});
QLineEdit *textBox(QWidget *parent, const char *name, const QString &text, const QRect &r, const Look &look = {});
// A button with a `face` colour shows it flat; without one, the desktop's button look.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                    const std::optional<QFont> &f = std::nullopt, const std::optional<QColor> &face = std::nullopt);
QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &r,
                 const std::optional<QFont> &captionFont = std::nullopt);
QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, const QRect &r);
// A horizontal slider of 16-bit positions, stepping by 1; only the look's names are used.
QScrollBar *slider(QWidget *parent, const char *name, const QRect &r, int minimum, int maximum, int value,
                   const Look &look = {});

void setColours(QWidget *w, const std::optional<QColor> &fg, const std::optional<QColor> &bg);
void setBackground(QWidget *w, const QColor &c);
void setForeground(QWidget *w, const QColor &c);

// Runs `action` when the user clicks into `w` (a text box's Click event).
void onClick(QWidget *w, std::function<void()> action);
// The keyboard focus order, first to last.
void tabOrder(std::initializer_list<QWidget *> widgets);

} // namespace vorvan::kit
