#pragma once

#include "ui/kit/form.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorvan::ui {

// Resultant load on a deflector sheave pin from the wire load and the smallest
// and largest wrap angle. Computes on Calculate only; any edit hides the results.
class frmDeflect : public kit::Form
{
    Q_OBJECT
public:
    frmDeflect();
    void Form_Load() override;

    void cmdCompute_Click();
    void txtWire_Change();
    void txtWrapMax_Change();
    void txtWrapMin_Change();
    void clearResults();

    // Every control in control order, the order the tag walks visit them.
    const QList<QWidget *> &controlsInOrder() const { return m_controls; }
    static QString tagOf(const QWidget *w);

private:
    void showTagged(const QString &tag, bool visible);
    QString summary() const;

    // Window values, single precision, zero when the window is created.
    float WireLoad = 0;
    float WrapMax = 0;
    float WrapMin = 0;
    float AvgWrap = 0;
    float ResMin = 0;
    float ResMax = 0;
    float PercentLoad = 0;
    float OpError = 0;

    QList<QWidget *> m_controls;
    QLineEdit *txtWire;
    QLineEdit *txtWrapMax;
    QLineEdit *txtWrapMin;
    QLabel *lblResMax;
    QLabel *lblResMin;
    QLabel *lblWireMin;
    QLabel *lblWireMax;
    QLabel *lblResAvg;
    QLabel *lblPercentLoad;
    QLabel *lblAvgWrapAng;
    QLabel *lblOpError;
    QPushButton *cmdCompute;
};

} // namespace vorvan::ui
