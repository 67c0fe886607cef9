#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QPushButton;

namespace vorvan {

class frmAbout;
namespace ui {
class frmPinWeight;
class frmLinkWeight;
class frmDeflect;
class frmSigLoss;
class frmXYsim;
class frmPinCalc;
class frmInfoWeight;
class frmInfoPin;
class frmInfoWrap;
class frmInfoOffax;
class frmInfoXYsim;
} // namespace ui

// The maker's name and contact details shown in the menu and About windows.
namespace maker {
inline constexpr const char *company = "Vorvan Systems Ltd";
inline constexpr const char *noticeYear = "2026";
inline constexpr const char *webAddress = "www.vorvan.example";
inline constexpr const char *webUrl = "https://www.vorvan.example";
inline constexpr const char *secondAddress = "www.vorvansystems.example";
inline constexpr const char *email = "info@vorvan.example";
inline constexpr const char *phone = "01632 960123";
} // namespace maker

class frmMenu : public QMainWindow
{
    Q_OBJECT
public:
    frmMenu();
    void Form_Load();

    void lblWebSite_Click();
    void endProgram();

    // The menu entries that open a window, in menu order (for the tests and tools
    // that open every window).
    const QList<QAction *> &windowEntries() const { return m_windowEntries; }

private:
    QAction *addEntry(QMenu *menu, const char *name, const QString &caption);
    template <class W> void wire(QPushButton *button, QAction *action, QPointer<W> &ref);

    QList<QAction *> m_windowEntries;
    QPointer<ui::frmPinWeight> m_pinWeight;
    QPointer<ui::frmLinkWeight> m_linkWeight;
    QPointer<ui::frmDeflect> m_deflect;
    QPointer<ui::frmSigLoss> m_sigLoss;
    QPointer<ui::frmXYsim> m_xySim;
    QPointer<ui::frmPinCalc> m_pinCalc;
    QPointer<frmAbout> m_about;
    QPointer<ui::frmInfoWeight> m_infoWeight;
    QPointer<ui::frmInfoPin> m_infoPin;
    QPointer<ui::frmInfoWrap> m_infoWrap;
    QPointer<ui::frmInfoOffax> m_infoOffax;
    QPointer<ui::frmInfoXYsim> m_infoXYsim;
};

} // namespace vorvan
