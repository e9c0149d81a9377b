#pragma once
// A date typed as the field shows it, with a drop-down calendar.

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

// A date field of the pickers: a line for the date in the short form
// "yyyy/m/d" and a button that drops a calendar down. What the user types
// is read as typed (commands/typeddate.h): with or without the slashes, one
// or two digits of month and day. A text that is no date of the allowed
// range turns the line red, and date() answers an invalid date, so that the
// dialog refuses it rather than taking another. Tab moves on to the next
// field; the button takes no focus.
class DateField : public QWidget {
    Q_OBJECT
public:
    DateField(QWidget* parent, const QString& name, const QString& hint);
    ~DateField() override;

    void setDateRange(const QDate& earliest, const QDate& latest);
    QDate minimumDate() const { return earliest_; }
    QDate maximumDate() const { return latest_; }

    // Shows the date in the short form.
    void setDate(const QDate& date);
    // The date the line holds, or an invalid date when it holds no date of
    // the range.
    QDate date() const;
    QString text() const;

    QLineEdit* lineEdit() const { return edit_; }
    QCalendarWidget* calendarWidget() const { return calendar_; }
    // Drops the calendar down at the line's date (the nearest of the range
    // when it holds none); a click on a day takes it.
    void showCalendar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MarkValidity();

    QLineEdit* edit_ = nullptr;
    QToolButton* button_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QDate earliest_;
    QDate latest_;
    QDate lastSet_;
    QPalette normalPalette_;
};
