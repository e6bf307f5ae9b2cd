// SPDX-License-Identifier: GPL-3.0-or-later
// Through the real widgets: a paste longer than a text widget holds reaches
// the form whole, a frequency scaled beyond the largest number is refused
// with the reason, and Esc inside the rating check closes it.
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QEventLoop>
#include <QFrame>
#include <QMimeData>
#include <QTest>
#include <QTimer>

namespace {

using InputEdges = WindowTest;

// Sends Esc to the focused control from inside the event loop; the exit code
// with which the window ended that loop, or -1 when it did not end it.
int ExitCodeAfterEscape(view::TolvarineWindow &window) {
    QEventLoop loop;
    QObject::connect(&window, &view::TolvarineWindow::ended, &loop, &QEventLoop::exit);
    QTimer::singleShot(0, &loop, [] {
        if (QWidget *target = QApplication::focusWidget())
            QTest::keyClick(target, Qt::Key_Escape);
    });
    QTimer::singleShot(500, &loop, [&loop] { loop.exit(-1); });
    return loop.exec();
}

void PasteInto(QLineEdit &edit, const QString &text) {
    QApplication::clipboard()->setText(text);
    edit.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(InputEdges, AGiantPasteReachesTheFormWhole) {
    const QString blanks(50000, QLatin1Char(' '));
    PasteInto(Edit("txtCs(0)"), blanks + "47n" + blanks);
    EXPECT_EQ(Edit("txtCs(0)").text(), "47");
    EXPECT_EQ(Combo("cboCs(0)").currentText(), "nF");

    PasteInto(Edit("txtCs(1)"), blanks + "47" + blanks + "1");
    EXPECT_EQ(Edit("txtCs(1)").text(), "0");
    EXPECT_TRUE(Label("lblEroare").text().startsWith("Textul lipit este prea lung pentru C2"))
        << Label("lblEroare").text().toStdString();
}

TEST_F(InputEdges, AGiantDropReachesTheFormWhole) {
    QLineEdit &edit = Edit("txtCs(2)");
    auto *data = new QMimeData;
    data->setText(QString(40000, QLatin1Char(' ')) + "2u2");
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &enter); // makes the field the drop's target
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &drop);
    delete data;
    EXPECT_EQ(edit.text(), "2.2"); // the "0" it was dropped on goes
    EXPECT_EQ(Combo("cboCs(2)").currentText(), "uF");
}

TEST_F(InputEdges, AFrequencyBeyondTheLargestNumberIsRefusedAndTheProgramGoesOn) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    PasteInto(Edit("txtFrec"), "9e307k");
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(Label("lblEroare").isHidden());
    EXPECT_TRUE(Label("lblEroare").text().startsWith("Frecvența este prea mare"));
    EXPECT_EQ(Edit("txtFrec").text(), "50"); // as it was
}

TEST_F(InputEdges, EscInsideTheRatingCheckClosesItAndElsewhereEndsTheProgram) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    QFrame *panel = Window().findChild<QFrame *>("fraVerificare");
    ASSERT_NE(panel, nullptr);
    Edit("txtTol").setFocus(Qt::OtherFocusReason);

    EXPECT_EQ(ExitCodeAfterEscape(Window()), -1);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_FALSE(Window().Form().PanelOpen());
    EXPECT_FALSE(Window().Form().EndRequested());
    EXPECT_TRUE(Window().isVisible());

    EXPECT_EQ(ExitCodeAfterEscape(Window()), 0);
    EXPECT_TRUE(Window().Form().EndRequested());
}

} // namespace
