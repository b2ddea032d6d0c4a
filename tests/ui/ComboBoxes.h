// Reading and choosing the entries of a combo box as a user does.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QStringList>
#include <QTest>

namespace trochix::uitest {

inline QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Picks an entry with the mouse from the box's open list.
inline void Pick(QComboBox* box, const QString& text) {
    const int i = box->findText(text, Qt::MatchExactly);
    QVERIFY2(i >= 0, qPrintable(text));
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex index = view->model()->index(i, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
}

} // namespace trochix::uitest
