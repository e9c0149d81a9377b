#include "datefield.h"

#include "commands/typeddate.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <algorithm>

namespace {

// The line's colour while it holds no date.
const QColor NoDateColor(255, 200, 200);

} // namespace

DateField::DateField(QWidget* parent, const QString& name, const QString& hint) : QWidget(parent) {
    setObjectName(name);
    setToolTip(hint);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(name + QStringLiteral("Edit"));
    // Digits and slashes only, as many as "2004/12/31" takes; an input
    // method would turn digits full-width.
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9/]{0,10}")), edit_));
    edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit_->setInputMethodHints(Qt::ImhPreferNumbers);
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) +
                           16);
    edit_->installEventFilter(this);
    normalPalette_ = edit_->palette();
    setFocusProxy(edit_);

    button_ = new QToolButton(this);
    button_->setObjectName(name + QStringLiteral("Button"));
    button_->setArrowType(Qt::DownArrow);
    button_->setFocusPolicy(Qt::NoFocus);

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(name + QStringLiteral("Calendar"));
    calendar_->setWindowFlags(Qt::Popup);
    // Japanese month and weekday names.
    QLocale japanese(QLocale::Japanese, QLocale::Japan);
    calendar_->setLocale(japanese);
    calendar_->setFirstDayOfWeek(japanese.firstDayOfWeek());
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->hide();

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_);
    row->addWidget(button_);

    connect(edit_, &QLineEdit::textChanged, this, &DateField::MarkValidity);
    // A date typed without its slashes is shown in the short form once the
    // field is left, so the user sees which date it took.
    connect(edit_, &QLineEdit::editingFinished, this, [this] {
        QDate typed = date();
        if (typed.isValid()) {
            setDate(typed);
        }
    });
    connect(button_, &QToolButton::clicked, this, &DateField::showCalendar);
    connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate day) {
        calendar_->hide();
        setDate(day);
        edit_->setFocus();
        edit_->selectAll();
    });
    connect(calendar_, &QCalendarWidget::activated, calendar_, &QCalendarWidget::clicked);
}

// The line loses its focus while Qt deletes the children, after this
// field's own part is gone: its signals must no longer reach this field.
DateField::~DateField() {
    edit_->disconnect(this);
}

void DateField::setDateRange(const QDate& earliest, const QDate& latest) {
    earliest_ = earliest;
    latest_ = latest;
    calendar_->setDateRange(earliest, latest);
    MarkValidity();
}

void DateField::setDate(const QDate& date) {
    lastSet_ = date;
    edit_->setText(QStringLiteral("%1/%2/%3").arg(date.year()).arg(date.month()).arg(date.day()));
}

QDate DateField::date() const {
    std::optional<CivilDate> typed = ParseTypedDate(edit_->text().toStdString());
    if (!typed) {
        return {};
    }
    QDate date(typed->year, typed->month, typed->day);
    bool inRange =
        (!earliest_.isValid() || date >= earliest_) && (!latest_.isValid() || date <= latest_);
    return inRange ? date : QDate();
}

QString DateField::text() const {
    return edit_->text();
}

void DateField::showCalendar() {
    // A line that holds no date opens the calendar at the date last set.
    QDate shown = date();
    if (!shown.isValid()) {
        shown = lastSet_;
        if (earliest_.isValid() && latest_.isValid()) {
            shown = std::clamp(shown, earliest_, latest_);
        }
    }
    calendar_->setSelectedDate(shown);
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus();
}

void DateField::MarkValidity() {
    QPalette palette = normalPalette_;
    if (!date().isValid()) {
        palette.setColor(QPalette::Base, NoDateColor);
    }
    edit_->setPalette(palette);
}

bool DateField::eventFilter(QObject* watched, QEvent* event) {
    // Alt+Down and F4 drop the calendar down, as in the platform's own
    // date fields.
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F4 ||
            (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier)) {
            showCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
