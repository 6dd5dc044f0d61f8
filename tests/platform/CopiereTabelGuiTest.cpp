// Ctrl+C on a table copies what the user sees selected, as a spreadsheet pastes it.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

#include "platform/CopiereTabelUi.h"
#include "support/PlatformaScriptata.h"

using namespace vitramor;

TEST(CopiereTabel, CtrlCCopiesTheSelectedCellsUnderTheirHeadersInTheOrderShown) {
    PlatformaScriptata p;
    PlatformaInstalata guard(p);
    QTableWidget t(3, 4);
    t.setHorizontalHeaderLabels({"Nume", "nd", "vd", "Ascuns"});
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) t.setItem(r, c, new QTableWidgetItem(QStringLiteral("%1%2").arg(r).arg(c)));
    PermiteCopiereTabel(&t);
    t.show();
    QTest::keyClick(&t, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(p.clipboard, "");  // nothing selected: the clipboard keeps what it had

    t.horizontalHeader()->moveSection(2, 1);  // vd dragged before nd
    t.setColumnHidden(3, true);
    t.setSelectionMode(QAbstractItemView::MultiSelection);
    t.selectRow(0);
    t.selectionModel()->select(t.model()->index(2, 2), QItemSelectionModel::Select);
    t.setFocus();
    QTest::keyClick(&t, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(p.clipboard, "Nume\tvd\tnd\n00\t02\t01\n\t22\t\n");
}
