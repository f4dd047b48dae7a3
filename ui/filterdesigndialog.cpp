#include "ui/filterdesigndialog.h"

#include "core/numformat.h"
#include "core/numparse.h"
#include "core/workspace.h"
#include "dsp/firdesign.h"
#include "dsp/iirdesign.h"
#include "dsp/zinverse.h"
#include "ui/dialogresult.h"
#include "ui/namecorrection.h"
#include "ui/objectnames.h"
#include "ui/spinedit.h"
#include "ui/showntexts.h"
#include "ui/systemview.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLabelLeft = 8;
constexpr int kFieldLeft = 112;
constexpr int kFieldWidth = 148;
constexpr int kRow = 26;
constexpr int kFieldHeight = 21;
constexpr int kHammingItem = 2;
constexpr int kUnitHz = 1; // the unit list's "Hz"
// As many significant digits as an extended number carries.
constexpr int kCoefficientDigits = 19;

std::optional<extended> numberIn(const QLineEdit* edit)
{
    return parseCellNumber(edit->text().trimmed().toStdString());
}

} // namespace

FilterDesignDialog::FilterDesignDialog(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), nameCorrection_(with.nameCorrection)
{
    setObjectName(QStringLiteral("FilterDesign"));
    texts_.bind(QT_TR_NOOP("Proiectare filtru"), [this](const QString& t) { setWindowTitle(t); });
    setFixedSize(680, 340);

    int row = 0;
    const auto place = [this, &row](const char* caption, QWidget* field) {
        auto* label = new QLabel(this);
        label->move(kLabelLeft, 11 + row * kRow);
        texts_.bind(caption, [label](const QString& t) {
            label->setText(t);
            label->adjustSize();
        });
        label->setBuddy(field);
        field->setGeometry(kFieldLeft, 8 + row * kRow, kFieldWidth, kFieldHeight);
        ++row;
    };
    // A list whose items are the program's words, in the language installed now.
    const auto list = [this](std::initializer_list<const char*> items) {
        auto* box = new QComboBox(this);
        for (const char* item : items) {
            const int index = box->count();
            box->addItem(QString());
            texts_.bind(item, [box, index](const QString& t) { box->setItemText(index, t); });
        }
        return box;
    };
    methodList_ = list({QT_TR_NOOP("FIR, metoda ferestrei"), QT_TR_NOOP("IIR Butterworth"),
                        QT_TR_NOOP("IIR Cebisev tip I")});
    place(QT_TR_NOOP("&Metoda :"), methodList_);
    bandList_ = list({QT_TR_NOOP("Trece jos"), QT_TR_NOOP("Trece sus"), QT_TR_NOOP("Trece banda"),
                      QT_TR_NOOP("Opreste banda")});
    place(QT_TR_NOOP("&Banda :"), bandList_);
    orderEdit_ = new SpinEdit(this);
    orderEdit_->setRange(1, kMaxFirOrder);
    orderEdit_->setMaxLength(4);
    orderEdit_->setValue(16);
    place(QT_TR_NOOP("&Ordin :"), orderEdit_);
    unitList_ = list({QT_TR_NOOP("fractiuni din fe"), "Hz"});
    place(QT_TR_NOOP("&Frecvente in :"), unitList_);
    rateEdit_ = new QLineEdit(QStringLiteral("8000"), this);
    place(QT_TR_NOOP("f&e (Hz) :"), rateEdit_);
    cutoffEdit_ = new QLineEdit(QStringLiteral("0.1"), this);
    place(QT_TR_NOOP("&Taiere :"), cutoffEdit_);
    upperEdit_ = new QLineEdit(QStringLiteral("0.3"), this);
    place(QT_TR_NOOP("Taiere &sus :"), upperEdit_);
    windowList_ = new QComboBox(this);
    windowList_->addItems(with.windowNames); // the windows' own names, the same in every language
    windowList_->setCurrentIndex(kHammingItem);
    place(QT_TR_NOOP("Fe&reastra :"), windowList_);
    rippleEdit_ = new QLineEdit(QStringLiteral("1"), this);
    place(QT_TR_NOOP("Ond&ulatie (dB) :"), rippleEdit_);
    nameEdit_ = new QLineEdit(QStringLiteral("fir"), this);
    place(QT_TR_NOOP("&Variabila :"), nameEdit_);

    message_ = new QLabel(this);
    message_->setGeometry(kLabelLeft, 8 + row * kRow, kFieldLeft + kFieldWidth - kLabelLeft, 48);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette red = message_->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    message_->setPalette(red);
    view_ = new SystemView(180, this);
    view_->setGeometry(272, 8, 400, 290);

    okButton_ = new QPushButton(this);
    texts_.text(okButton_, QT_TR_NOOP("Ok"));
    okButton_->setGeometry(8, 312, 121, 20);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    texts_.text(cancelButton_, QT_TR_NOOP("Cancel"));
    cancelButton_->setGeometry(137, 312, 121, 20);

    connect(unitList_, &QComboBox::currentIndexChanged, this, [this] { unitsChanged(); });
    for (QComboBox* box : {methodList_, bandList_, windowList_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
    for (QLineEdit* edit : {rateEdit_, cutoffEdit_, upperEdit_, rippleEdit_})
        connect(edit, &QLineEdit::textChanged, this, [this] { recompute(); });
    connect(orderEdit_, &SpinEdit::textChanged, this, [this] { recompute(); });
    connect(okButton_, &QPushButton::clicked, this, &FilterDesignDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &FilterDesignDialog::reject);
    setObjectNames({{methodList_, "MethodList"}, {bandList_, "BandList"}, {orderEdit_, "OrderEdit"},
                    {unitList_, "UnitList"}, {rateEdit_, "RateEdit"}, {cutoffEdit_, "CutoffEdit"},
                    {upperEdit_, "UpperEdit"}, {windowList_, "WindowList"}, {rippleEdit_, "RippleEdit"},
                    {nameEdit_, "NameEdit"}, {message_, "MessageLabel"}, {view_, "SystemView"},
                    {okButton_, "OkButton"}, {cancelButton_, "CancelButton"}});
}

FilterDesignDialog::~FilterDesignDialog() = default;

void FilterDesignDialog::setRate(double rate)
{
    if (rate <= 0)
        return;
    rateEdit_->setText(QString::fromStdString(formatGeneral(rate, 15, '.')));
    unitList_->setCurrentIndex(kUnitHz);
}

const std::optional<typedLists>& FilterDesignDialog::chosenLists() const
{
    return chosen_;
}

QString FilterDesignDialog::coefficientText(std::span<const extended> coefficients)
{
    QStringList parts;
    for (const extended c : coefficients)
        parts.append(QString::fromStdString(formatGeneral(c, kCoefficientDigits, '.')));
    return parts.join(QStringLiteral(" , "));
}

void FilterDesignDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        if (isVisible())
            recompute(); // the message says why in the language installed now
    }
    QDialog::changeEvent(event);
}

void FilterDesignDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        chosen_.reset();
        recompute();
    }
}

std::optional<filterParameters> FilterDesignDialog::parameters(QString& message) const
{
    filterParameters p;
    p.band = static_cast<filterBand>(bandList_->currentIndex());
    const std::optional<int> order = SpinEdit::readInteger(orderEdit_->text());
    const std::optional<extended> cutoff = numberIn(cutoffEdit_), upper = numberIn(upperEdit_);
    const std::optional<extended> rate = unitList_->currentIndex() == kUnitHz ? numberIn(rateEdit_) : extended{1};
    if (!order)
        message = tr("Ordinul nu este un numar intreg.");
    else if (!rate)
        message = tr("Frecventa de esantionare nu este un numar.");
    else if (!cutoff || (isBandFilter(p.band) && !upper))
        message = tr("Frecventa de taiere nu este un numar.");
    if (!message.isEmpty())
        return std::nullopt;
    p.order = *order;
    p.cutoff = *cutoff;
    p.upperCutoff = upper.value_or(0);
    p.rate = *rate;
    return p;
}

void FilterDesignDialog::recompute()
{
    const auto chosen = static_cast<method>(methodList_->currentIndex());
    const bool fir = chosen == method::fir;
    windowList_->setEnabled(fir);
    nameEdit_->setEnabled(fir);
    rippleEdit_->setEnabled(chosen == method::chebyshev);
    rateEdit_->setEnabled(unitList_->currentIndex() == kUnitHz);
    upperEdit_->setEnabled(isBandFilter(static_cast<filterBand>(bandList_->currentIndex())));

    QString message;
    design_ = {};
    const std::optional<extended> ripple = chosen == method::chebyshev ? numberIn(rippleEdit_) : extended{0};
    if (const std::optional<filterParameters> p = parameters(message)) {
        if (!ripple)
            message = tr("Ondulatia nu este un numar.");
        else if (fir)
            design_ = designWindowedFir(*p, static_cast<windowShape>(windowList_->currentIndex()));
        else
            design_ = designIir(*p, chosen == method::butterworth ? iirFamily::butterworth : iirFamily::chebyshev1,
                                *ripple);
        if (message.isEmpty())
            message = shownText(design_.message);
    }
    // Whatever a design gives must be finite before it is offered.
    const auto finite = [](const std::vector<extended>& c) {
        return std::all_of(c.begin(), c.end(), [](extended v) { return std::isfinite(v); });
    };
    if (message.isEmpty() && !(finite(design_.system.b) && finite(design_.system.a)))
        message = tr("Proiectarea nu da coeficienti finiti : alegeti alt ordin, alta fereastra "
                     "sau alte frecvente.");
    const bool designed = message.isEmpty();
    const std::size_t count = std::max(design_.system.b.size(), design_.system.a.size());
    if (designed && count > static_cast<std::size_t>(kMaxCoefficients))
        message = (fir ? tr("Filtrul are %1 coeficienti, mai multi decat cei %2 pe care ii primeste "
                            "fereastra transformatei z inverse : coeficientii merg doar in variabila.")
                       : tr("Filtrul are %1 coeficienti, mai multi decat cei %2 pe care ii primeste "
                            "fereastra transformatei z inverse : alegeti un ordin mai mic."))
                      .arg(count)
                      .arg(kMaxCoefficients);
    message_->setText(message);
    okButton_->setEnabled(designed && (fir || count <= static_cast<std::size_t>(kMaxCoefficients)));
    if (designed)
        view_->setSystem(design_.system, rateInHz());
    else
        view_->clear();
}

void FilterDesignDialog::unitsChanged()
{
    const bool hz = unitList_->currentIndex() == kUnitHz;
    const std::optional<extended> rate = numberIn(rateEdit_);
    if (rate && *rate > 0)
        for (QLineEdit* edit : {cutoffEdit_, upperEdit_})
            if (const std::optional<extended> f = numberIn(edit))
                edit->setText(QString::fromStdString(formatGeneral(hz ? *f * *rate : *f / *rate, 15, '.')));
    recompute();
}

double FilterDesignDialog::rateInHz() const
{
    const std::optional<extended> rate = numberIn(rateEdit_);
    return unitList_->currentIndex() == kUnitHz && rate && *rate > 0 ? static_cast<double>(*rate) : 0;
}

void FilterDesignDialog::accept()
{
    recompute();
    if (!okButton_->isEnabled())
        return;
    const transferFunction& h = design_.system;
    const bool fits = std::max(h.b.size(), h.a.size()) <= static_cast<std::size_t>(kMaxCoefficients);
    chosen_ = fits ? std::optional<typedLists>(typedListsFromSystem(h)) : std::nullopt;
    if (static_cast<method>(methodList_->currentIndex()) == method::fir) {
        const QString description = tr("Coeficientii filtrului FIR %1 de ordin %2, fereastra %3")
                                        .arg(bandList_->currentText().toLower(), orderEdit_->text(),
                                             windowList_->currentText());
        addNamedVariable(*nameEdit_, nameCorrection_, workspace_, signalSamples::real(h.b),
                         {.description = description.toStdString(), .sampleRate = rateInHz()});
    }
    done(resultCode(dialogAnswer::ok));
}

void FilterDesignDialog::reject()
{
    chosen_.reset();
    done(resultCode(dialogAnswer::cancel));
}
