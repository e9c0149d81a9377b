#pragma once
// The year and month lists of the pickers.

#include <QComboBox>
#include <QElapsedTimer>

// A drop-down list of numbered items ("2004年", " 9月") in which typing the
// number picks its item: "9" is " 9月" whatever blank stands before it, "1"
// then "2" is "12月", and a digit that continues no number starts a new one.
// A number no item has picks nothing and leaves the list as it was.
class NumberList : public QComboBox {
    Q_OBJECT
public:
    NumberList(QWidget* parent, const char* name, const char* hint);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString typed_;
    QElapsedTimer lastKey_;
};

// The first item whose number begins with the typed digits (leading zeros
// and the item's leading blanks aside); -1 when there is none.
int ItemForTypedNumber(const QStringList& items, const QString& typed);

// The served years, "2003年" on; the twelve months " 1月" to "12月".
void FillYearList(QComboBox* list);
void FillMonthList(QComboBox* list);
