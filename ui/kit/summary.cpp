#include "ui/kit/summary.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QWidget>

namespace vorvan::kit {

Summary::Summary(const QString &caption) : m_lines{caption} {}

Summary &Summary::field(const QString &name, const QString &value, const QString &unit)
{
    QString n = name.trimmed();
    if (const QString inUnit = QStringLiteral(" in ") + unit; !unit.isEmpty() && n.endsWith(inUnit))
        n.chop(inUnit.size());
    QString l = n + QLatin1Char(':');
    if (!value.trimmed().isEmpty()) {
        l += QLatin1Char(' ') + value.trimmed();
        if (!unit.isEmpty())
            l += QLatin1Char(' ') + unit.trimmed();
    }
    m_lines << l;
    return *this;
}

Summary &Summary::line(const QString &text)
{
    if (!text.trimmed().isEmpty())
        m_lines << text.trimmed();
    return *this;
}

Summary &Summary::noResultYet()
{
    m_lines << QStringLiteral("no result yet");
    return *this;
}

QString Summary::text() const
{
    return m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString caption(const QWidget *window, const char *label)
{
    return window->findChild<QLabel *>(QLatin1String(label))->text();
}

void offerCopyResults(QWidget *window, std::function<QString()> summary)
{
    auto *copy = new QAction(QStringLiteral("Copy Results"), window);
    copy->setObjectName(QStringLiteral("actCopyResults"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copy, &QAction::triggered, window,
                     [summary] { QGuiApplication::clipboard()->setText(summary()); });
    window->addAction(copy);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QScrollBar *slider : window->findChildren<QScrollBar *>())
        slider->setContextMenuPolicy(Qt::NoContextMenu);
}

} // namespace vorvan::kit
