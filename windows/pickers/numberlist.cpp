#include "numberlist.h"

#include "records/years.h"

#include <QApplication>
#include <QKeyEvent>

NumberList::NumberList(QWidget* parent, const char* name, const char* hint) : QComboBox(parent) {
    setObjectName(QString::fromLatin1(name));
    setToolTip(QString::fromUtf8(hint));
    setEditable(false);
}

void NumberList::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    bool digit = text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9') &&
                 !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!digit) {
        QComboBox::keyPressEvent(event);
        return;
    }
    // Digits typed in a quick run make one number, as the list's own search
    // takes letters.
    if (!lastKey_.isValid() || lastKey_.elapsed() > QApplication::keyboardInputInterval()) {
        typed_.clear();
    }
    lastKey_.start();
    QStringList items;
    for (int i = 0; i < count(); ++i) {
        items << itemText(i);
    }
    typed_ += text;
    int item = ItemForTypedNumber(items, typed_);
    if (item < 0) {
        typed_ = text;
        item = ItemForTypedNumber(items, typed_);
    }
    if (item >= 0) {
        setCurrentIndex(item);
    }
    event->accept();
}

int ItemForTypedNumber(const QStringList& items, const QString& typed) {
    QString number = typed;
    while (number.startsWith(QLatin1Char('0'))) {
        number.remove(0, 1);
    }
    if (number.isEmpty()) {
        return -1;
    }
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].trimmed().startsWith(number)) {
            return i;
        }
    }
    return -1;
}

void FillYearList(QComboBox* list) {
    list->clear();
    for (int year = FirstServedYear; year <= LastServedYear; ++year) {
        list->addItem(QStringLiteral("%1年").arg(year));
    }
}

void FillMonthList(QComboBox* list) {
    list->clear();
    for (int month = 1; month <= 12; ++month) {
        list->addItem(QString::asprintf("%2d", month) + QStringLiteral("月"));
    }
}
