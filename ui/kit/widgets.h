#pragma once

// The kit's own subclasses of Qt's controls, which the factories make where
// Qt's would draw or behave otherwise than the windows want, and the event
// filter behind onClick().

#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QScrollBar>

#include <functional>

namespace vorvan::kit {

// A horizontal scroll bar whose keys move the thumb the way they point, as a
// desktop scroll bar does: Qt's own inverts the arrows of a focused horizontal
// bar (Right lowers the value).
class HorizontalSlider : public QScrollBar
{
public:
    explicit HorizontalSlider(QWidget *parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *) override;
};

// A label whose border keeps the default line colour whatever colour its text takes.
class LinedLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A frame drawn as a classic group box: its caption on the top line, a little
// in from the left corner, the line broken behind the text; inside, the window's
// own colour (Qt's style lays a faint grey over it, on which white options and
// labels show as rectangles, and sets the line below the caption).
class Frame : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

    static constexpr int captionInset = 8; // from the left corner to the caption's gap
    static constexpr int captionGap = 2;   // clear space either side of the caption

protected:
    void paintEvent(QPaintEvent *) override;
};

// A button whose face is a colour of the window's own, drawn flat with a
// classic raised edge: the style would shade that colour into a gradient.
class FacedButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override;
};

// Runs an action on every mouse button release in the object it filters,
// letting the event through.
class ClickFilter : public QObject
{
public:
    ClickFilter(QObject *parent, std::function<void()> action) : QObject(parent), m_action(std::move(action)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override;

private:
    std::function<void()> m_action;
};

} // namespace vorvan::kit
