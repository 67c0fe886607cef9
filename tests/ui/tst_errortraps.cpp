// The run-time error reporter: the message for each number, the "Error N" title,
// one plain box, and the pending error cleared only once the box is dismissed.
#include "recorder.h"

#include "app/errortraps.h"

using namespace vorvan;
namespace traps = vorvan::ErrorTraps;

class tst_ErrorTraps : public QObject
{
    Q_OBJECT

private:
    // Raises an error and reports it; returns the one box that was shown.
    static MessageRequest report(int number, const std::string &description)
    {
        uitest::recorder().clear();
        traps::raise(RuntimeError(number, description));
        traps::ReportRuntimeError();
        const auto &shown = uitest::recorder().messages;
        if (shown.size() != 1)
            qFatal("%d boxes shown for one error", int(shown.size()));
        return shown.front();
    }

private Q_SLOTS:
    void init() { uitest::recorder().clear(); }
    void cleanup() { traps::clearError(); }

    void tableRows_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");
        // The table's messages as one text each; 54, 62 and 71 are the pieces joined.
        QTest::newRow("52") << 52 << QStringLiteral("Invalid File Selection. Please Try Again");
        QTest::newRow("54") << 54 << QStringLiteral("Can't open your file for that type of access.");
        QTest::newRow("55") << 55 << QStringLiteral("This file is already open.");
        QTest::newRow("57") << 57 << QStringLiteral("Internal disk error.");
        QTest::newRow("61") << 61 << QStringLiteral("Disk is full. Continue?");
        QTest::newRow("62") << 62
                            << QStringLiteral("This file has a nonstandard end-of-file marker, or an attempt was made "
                                              "to read beyond the end-of-file marker.");
        QTest::newRow("64") << 64 << QStringLiteral("The filename is illegal.");
        QTest::newRow("68") << 68 << QStringLiteral("The drive appears unavailable.");
        QTest::newRow("71") << 71 << QStringLiteral("Insert a disk in the drive and close the door.");
        QTest::newRow("76") << 76 << QStringLiteral("The path doesn't exist.");
        QTest::newRow("3356") << 3356 << QStringLiteral("The database is being used by another user");
    }
    void tableRows()
    {
        QFETCH(int, number);
        QFETCH(QString, message);
        // The table's text wins over whatever the raising layer said.
        const MessageRequest box = report(number, "what the runtime said");
        QCOMPARE(box.text, message);
        QCOMPARE(box.title, QStringLiteral("Error ") + QString::number(number));
        QVERIFY(!box.exclamation);
        QVERIFY(!box.text.contains(QLatin1Char('\n')));
        QCOMPARE(traps::messageFor(number, QStringLiteral("other")), message);
    }

    void otherNumbersShowTheDescription_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        // The arithmetic faults the calculators raise.
        QTest::newRow("overflow") << 6 << QStringLiteral("Overflow");
        QTest::newRow("division by zero") << 11 << QStringLiteral("Division by zero");
        QTest::newRow("type mismatch") << 13 << QStringLiteral("Type mismatch");
        // Every number between and next to the table's rows takes the default row.
        for (int n : {51, 53, 56, 58, 59, 60, 63, 65, 66, 67, 69, 70, 72, 73, 74, 75, 77, 3355, 3357})
            QTest::newRow(qPrintable(QString::number(n)))
                << n << QStringLiteral("Description of ") + QString::number(n);
        QTest::newRow("empty description") << 58 << QString();
        QTest::newRow("non-ASCII description") << 500 << QStringLiteral("Ung\u00fcltig \u00b1");
    }
    void otherNumbersShowTheDescription()
    {
        QFETCH(int, number);
        QFETCH(QString, description);
        const MessageRequest box = report(number, description.toStdString());
        QCOMPARE(box.text, description);
        QCOMPARE(box.title, QStringLiteral("Error ") + QString::number(number));
        QVERIFY(!box.exclamation);
    }

    void title_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::newRow("overflow") << 6 << QStringLiteral("Error 6");
        QTest::newRow("division by zero") << 11 << QStringLiteral("Error 11");
        // No grouping, however large.
        QTest::newRow("four digits") << 3356 << QStringLiteral("Error 3356");
        QTest::newRow("largest") << 2147483647 << QStringLiteral("Error 2147483647");
        // A minus sign before the digits.
        QTest::newRow("negative") << -1 << QStringLiteral("Error -1");
        QTest::newRow("platform negative") << -2147221504 << QStringLiteral("Error -2147221504");
        QTest::newRow("smallest") << int(-2147483647 - 1) << QStringLiteral("Error -2147483648");
    }
    void title()
    {
        QFETCH(int, number);
        QFETCH(QString, title);
        QCOMPARE(traps::titleFor(number), title);
        QCOMPARE(report(number, "x").title, title);
    }

    void noErrorPendingGivesError0()
    {
        traps::clearError();
        traps::ReportRuntimeError();
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(uitest::recorder().messages.front().title, QStringLiteral("Error 0"));
        QCOMPARE(uitest::recorder().messages.front().text, QString());
        QCOMPARE(traps::pendingError().number, 0);
        QVERIFY(traps::pendingError().description.empty());
    }

    void errorClearedOnlyAfterTheBox_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("from the table") << 61;
        QTest::newRow("a description") << 11;
        QTest::newRow("negative") << -5;
    }
    void errorClearedOnlyAfterTheBox()
    {
        QFETCH(int, number);
        int pendingWhileShowing = 0;
        std::string descriptionWhileShowing;
        uitest::recorder().whileShowing = [&](const MessageRequest &) {
            pendingWhileShowing = traps::pendingError().number;
            descriptionWhileShowing = traps::pendingError().description;
        };
        traps::raise(RuntimeError(number, "still pending"));
        traps::ReportRuntimeError();
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(pendingWhileShowing, number);
        QCOMPARE(descriptionWhileShowing, std::string("still pending"));
        QCOMPARE(traps::pendingError().number, 0);
        QVERIFY(traps::pendingError().description.empty());
    }

    void aLaterErrorIsReportedAfresh()
    {
        traps::raise(RuntimeError::overflow());
        traps::ReportRuntimeError();
        traps::raise(RuntimeError::divisionByZero());
        traps::ReportRuntimeError();
        const auto &shown = uitest::recorder().messages;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].title, QStringLiteral("Error 6"));
        QCOMPARE(shown[0].text, QStringLiteral("Overflow"));
        QCOMPARE(shown[1].title, QStringLiteral("Error 11"));
        QCOMPARE(shown[1].text, QStringLiteral("Division by zero"));
    }

    void trappedEndsTheBodyAtTheError()
    {
        QStringList written;
        const bool ran = traps::trapped([&] {
            written << QStringLiteral("before");
            throw RuntimeError::divisionByZero();
            written << QStringLiteral("after");
        });
        QVERIFY(!ran);
        QCOMPARE(written, QStringList{QStringLiteral("before")});
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(uitest::recorder().messages.front().title, QStringLiteral("Error 11"));
        QCOMPARE(uitest::recorder().messages.front().text, QStringLiteral("Division by zero"));
        QCOMPARE(traps::pendingError().number, 0);
    }

    void trappedWithoutErrorShowsNothing()
    {
        int steps = 0;
        QVERIFY(traps::trapped([&] { steps += 2; }));
        QCOMPARE(steps, 2);
        QVERIFY(uitest::recorder().messages.isEmpty());
    }

    void trappedProceduresNestedEachReportTheirOwn()
    {
        // An inner trapped procedure (a change handler run by the outer one's
        // edit) reports its own error; the outer one carries on.
        QStringList written;
        const bool outer = traps::trapped([&] {
            written << QStringLiteral("outer before");
            const bool inner = traps::trapped([] { throw RuntimeError::overflow(); });
            written << (inner ? QStringLiteral("inner ran") : QStringLiteral("inner failed"));
        });
        QVERIFY(outer);
        QCOMPARE(written, (QStringList{QStringLiteral("outer before"), QStringLiteral("inner failed")}));
        QCOMPARE(uitest::recorder().messages.size(), 1);
        QCOMPARE(uitest::recorder().messages.front().title, QStringLiteral("Error 6"));
    }

    void noStrayDialogs() { QVERIFY(uitest::noStrayDialogs()); }
};

VORVAN_TEST_MAIN(tst_ErrorTraps, uitest::recordHooks)
#include "tst_errortraps.moc"
