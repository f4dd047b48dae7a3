#include "ui/filterfields.h"

#include "dsp/zinverse.h"
#include "ui/objectnames.h"
#include "ui/typedsystem.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kLeft = 8;
constexpr int kWidth = 121;
constexpr int kFieldHeight = 21;

std::vector<extended> coefficientsOf(const QLineEdit* edit)
{
    return readCoefficients(edit->text().toStdString());
}

} // namespace

FilterFields::FilterFields(QWidget* dialog, const TypedSystem* typed) : QObject(dialog), typed_(typed)
{
    const auto label = [this, dialog](const char* text, int top) {
        auto* l = new QLabel(dialog);
        l->move(kLeft, top);
        texts_.bind(text, [l](const QString& t) {
            l->setText(t);
            l->adjustSize();
        });
        return l;
    };
    const auto field = [dialog](int top) {
        auto* edit = new QLineEdit(QStringLiteral("1"), dialog);
        edit->setGeometry(kLeft, top, kWidth, kFieldHeight);
        return edit;
    };
    numeratorLabel_ = label(QT_TR_NOOP("Numarator :"), 140);
    numeratorEdit_ = field(156);
    denominatorLabel_ = label(QT_TR_NOOP("Numitor :"), 182);
    denominatorEdit_ = field(198);
    numeratorLabel_->setBuddy(numeratorEdit_);
    denominatorLabel_->setBuddy(denominatorEdit_);
    note_ = new QLabel(dialog);
    note_->setGeometry(kLeft, 224, kWidth, 92);
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = note_->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    note_->setPalette(red);
    for (QLineEdit* edit : {numeratorEdit_, denominatorEdit_})
        connect(edit, &QLineEdit::textChanged, this, &FilterFields::changed);
    setObjectNames({{numeratorLabel_, "NumeratorLabel"}, {numeratorEdit_, "NumeratorEdit"},
                    {denominatorLabel_, "DenominatorLabel"}, {denominatorEdit_, "DenominatorEdit"},
                    {note_, "FilterNote"}});
    setShown(false);
}

// The labels are the dialog's, so the dialog's change of language comes here as its child.
bool FilterFields::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    return QObject::event(event);
}

void FilterFields::setShown(bool shown)
{
    if (shown && typed_ != nullptr && typed_->revision() != takenRevision_) {
        takenRevision_ = typed_->revision();
        numeratorEdit_->setText(typed_->numerator());
        denominatorEdit_->setText(typed_->denominator());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{numeratorLabel_, numeratorEdit_, denominatorLabel_,
                                                       denominatorEdit_, note_})
        w->setVisible(shown);
}

QString FilterFields::numeratorText() const { return numeratorEdit_->text(); }

QString FilterFields::denominatorText() const { return denominatorEdit_->text(); }

transferFunction FilterFields::system() const
{
    return systemFromTypedLists(coefficientsOf(numeratorEdit_), coefficientsOf(denominatorEdit_));
}

void FilterFields::setNote(const QString& note) { note_->setText(note); }
