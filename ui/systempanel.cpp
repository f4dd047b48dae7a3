#include "ui/systempanel.h"

#include "core/numparse.h"
#include "core/workspace.h"
#include "ui/filterdesigndialog.h"
#include "ui/namecorrection.h"
#include "ui/objectnames.h"
#include "ui/systemview.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRowHeight = 21;

} // namespace

SystemPanel::SystemPanel(const Collaborators& with, QWidget* parent)
    : QWidget(parent), workspace_(with.workspace), nameCorrection_(with.nameCorrection),
      windowNames_(with.windowNames), showVariable_(with.showVariable)
{
    convention_ = new QLabel(this);
    texts_.text(convention_,
                QT_TR_NOOP("H(z) = (b0 + b1 z^-1 + ...) / (a0 + a1 z^-1 + ...), cu b0, b1, ... coeficientii "
                           "numaratorului de la ultimul spre termenul liber si a0, a1, ... ai numitorului de la "
                           "ultimul coeficient nenul. Randurile 1 ... 50 sunt raspunsul la impuls h[0] ... h[49] "
                           "al filtrului y[n] = (b0 x[n] + b1 x[n-1] + ... - a1 y[n-1] - ...) / a0."));
    convention_->setWordWrap(true);
    convention_->setGeometry(4, 4, kWidth - 12, 58);
    convention_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view_ = new SystemView(190, this);
    view_->setGeometry(4, 64, kWidth - 12, 206);

    rateLabel_ = new QLabel(this);
    texts_.text(rateLabel_, QT_TR_NOOP("Frecventa de esantionare (Hz) :"));
    rateEdit_ = new QLineEdit(this);
    rateEdit_->setPlaceholderText(QStringLiteral("0 ... pi"));
    rateLabel_->setBuddy(rateEdit_);
    designButton_ = new QPushButton(this);
    texts_.text(designButton_, QT_TR_NOOP("Proiectare filtru..."));
    designButton_->setGeometry(kWidth - 8 - 130, 274, 130, kRowHeight);

    nameLabel_ = new QLabel(this);
    texts_.text(nameLabel_, QT_TR_NOOP("Nume :"));
    nameEdit_ = new QLineEdit(QStringLiteral("h"), this);
    nameLabel_->setBuddy(nameEdit_);
    sendButton_ = new QPushButton(this);
    texts_.text(sendButton_, QT_TR_NOOP("Trimite h[n]"));
    plotButton_ = new QPushButton(this);
    texts_.text(plotButton_, QT_TR_NOOP("Trimite si vizualizeaza"));
    plotButton_->setGeometry(kWidth - 8 - 150, 302, 150, kRowHeight);
    layOutRows();
    plotButton_->setEnabled(static_cast<bool>(showVariable_));
    for (QPushButton* b : {designButton_, sendButton_, plotButton_})
        b->setAutoDefault(false);

    connect(rateEdit_, &QLineEdit::textChanged, this, [this] { refreshView(); });
    connect(designButton_, &QPushButton::clicked, this, [this] { design(); });
    connect(sendButton_, &QPushButton::clicked, this, [this] { send(false); });
    connect(plotButton_, &QPushButton::clicked, this, [this] { send(true); });
    setObjectNames({{convention_, "ConventionLabel"}, {view_, "SystemView"}, {rateLabel_, "RateLabel"},
                    {rateEdit_, "RateEdit"}, {designButton_, "DesignButton"}, {nameLabel_, "NameLabel"},
                    {nameEdit_, "NameEdit"}, {sendButton_, "SendButton"}, {plotButton_, "PlotButton"}});
}

SystemPanel::~SystemPanel() = default;

// Each field follows its label, whose length changes with the language.
void SystemPanel::layOutRows()
{
    rateLabel_->move(4, 277);
    rateLabel_->adjustSize();
    rateEdit_->setGeometry(rateLabel_->geometry().right() + 6, 274, 80, kRowHeight);
    nameLabel_->move(4, 305);
    nameLabel_->adjustSize();
    nameEdit_->setGeometry(nameLabel_->geometry().right() + 6, 302, 110, kRowHeight);
    sendButton_->setGeometry(nameEdit_->geometry().right() + 6, 302, 110, kRowHeight);
}

void SystemPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        layOutRows();
    }
    QWidget::changeEvent(event);
}

void SystemPanel::showSystem(const QString& numerator, const QString& denominator, const transferFunction& h,
                             const std::optional<seriesTerms>& terms)
{
    numerator_ = numerator;
    denominator_ = denominator;
    system_ = h;
    terms_ = terms;
    sendButton_->setEnabled(terms_.has_value());
    plotButton_->setEnabled(terms_.has_value() && showVariable_);
    refreshView();
}

double SystemPanel::rate() const
{
    const std::optional<extended> typed = parseCellNumber(rateEdit_->text().trimmed().toStdString());
    return typed && std::isfinite(*typed) && *typed > 0 ? static_cast<double>(*typed) : 0;
}

void SystemPanel::refreshView()
{
    if (isVisible())
        view_->setSystem(system_, rate());
}

void SystemPanel::send(bool thenShow)
{
    if (!terms_)
        return;
    signalSamples samples = signalSamples::real({terms_->begin(), terms_->end()});
    const QString description = tr("Raspunsul la impuls al H(z) = (%1) / (%2)").arg(numerator_, denominator_);
    const tdspvarPtr made = addNamedVariable(*nameEdit_, nameCorrection_, workspace_, std::move(samples),
                                             {.description = description.toStdString(), .sampleRate = rate()});
    if (!made)
        return;
    const auto bad = std::find_if(terms_->begin(), terms_->end(), [](extended v) { return !std::isfinite(v); });
    if (bad != terms_->end())
        QMessageBox::warning(this, window()->windowTitle(),
                             tr("Seria diverge : de la termenul %1 valorile nu mai sunt finite.")
                                 .arg(bad - terms_->begin() + 1));
    if (thenShow && showVariable_)
        showVariable_(made);
}

void SystemPanel::design()
{
    if (!designDialog_)
        designDialog_ = std::make_unique<FilterDesignDialog>(
            FilterDesignDialog::Collaborators{.workspace = workspace_, .nameCorrection = nameCorrection_,
                                              .windowNames = windowNames_},
            this);
    designDialog_->setRate(rate());
    designDialog_->exec();
    if (const std::optional<typedLists> lists = designDialog_->chosenLists())
        emit designChosen(FilterDesignDialog::coefficientText(lists->numerator),
                          FilterDesignDialog::coefficientText(lists->denominator));
}
