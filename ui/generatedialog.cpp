#include "ui/generatedialog.h"

#include "core/workspace.h"
#include "dsp/sampling.h"
#include "expr/parser.h"
#include "expr/mathnode.h"
#include "ui/application.h"
#include "ui/boundtexts.h"
#include "ui/namecorrection.h"
#include "ui/objectnames.h"
#include "ui/radiogroup.h"
#include "ui/samplingworker.h"
#include "ui/showntexts.h"
#include "ui/spinedit.h"
#include "ui/previewworker.h"
#include "ui/bitmapview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

constexpr int kDefaultCount = 128;
constexpr int kTickMilliseconds = 10;
constexpr int kComplexItem = 1;   // RadioGroup1's "&Complex"
constexpr int kCartesianItem = 0; // RadioGroup2's "Carte&zian"

// Shows `text` on `label`, narrowing the label's font when the program font is too wide for the
// room before the next control, until the text fits.
void showFitted(QLabel* label, const QString& text, int room)
{
    QFont font = label->parentWidget()->font();
    for (int stretch = QFont::Unstretched; stretch >= QFont::ExtraCondensed; stretch -= 6) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(QString(text).remove(u'&')) <= room)
            break;
    }
    label->setFont(font);
    label->setText(text);
    label->adjustSize();
}

// A label at (x, y) that focuses `buddy` on its mnemonic, its source text fitted into `room`
// in every language.
QLabel* makeLabel(BoundTexts& texts, const char* source, int x, int y, int room, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    label->move(x, y);
    texts.bind(source, [label, room](const QString& t) { showFitted(label, t, room); });
    return label;
}

} // namespace

GenerateDialog::GenerateDialog(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), sampler_(with.sampler),
      nameCorrection_(with.nameCorrection), plotter_(with.preview)
{
    setObjectName(QStringLiteral("TForm2"));
    texts_.bind(QT_TR_NOOP("Generare Functie"), [this](const QString& t) { setWindowTitle(t); });
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(536, 352);

    nameEdit_ = new QLineEdit(QStringLiteral("var_00"), this);
    nameEdit_->setGeometry(88, 8, 265, 21);
    nameLabel_ = makeLabel(texts_, QT_TR_NOOP("&Nume variabila :"), 8, 11, 78, nameEdit_, this);

    expressionEdit_ = new QLineEdit(QStringLiteral("sin(x*pi*2+0.2)"), this);
    expressionEdit_->setGeometry(88, 32, 265, 21);
    // No limit of the field's own: a long formula pasted in stays whole (the parser takes it).
    expressionEdit_->setMaxLength(std::numeric_limits<int>::max());
    expressionLabel_ = makeLabel(texts_, QT_TR_NOOP("&Functie : "), 8, 35, 78, expressionEdit_, this);

    countEdit_ = new SpinEdit(this);
    countEdit_->setRange(1, kMaxSampleCount);
    countEdit_->setMaxLength(5);
    countEdit_->setText(QString::number(kDefaultCount));
    countEdit_->setGeometry(472, 6, 57, 22);
    countLabel_ = makeLabel(texts_, QT_TR_NOOP("Numar de &sample-uri :"), 361, 11, 109, countEdit_, this);

    gauge_ = new QProgressBar(this);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setGeometry(360, 32, 168, 21);

    messageArea_ = new QPlainTextEdit(this);
    messageArea_->setGeometry(8, 56, 129, 113);
    messageArea_->setReadOnly(true);
    messageArea_->setEnabled(false);
    messageArea_->setFrameShape(QFrame::NoFrame);
    messageArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = messageArea_->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        memoPalette.setColor(group, QPalette::Base, palette().color(group, QPalette::Window));
    // Disabled only so that it takes no focus: the message stays as legible as any label.
    memoPalette.setColor(QPalette::Disabled, QPalette::Text,
                         palette().color(QPalette::Active, QPalette::WindowText));
    messageArea_->setPalette(memoPalette);

    typeGroup_ = makeRadioGroup(texts_, QT_TR_NOOP("Tip Variabila : "), {QT_TR_NOOP("&Real"), QT_TR_NOOP("&Complex")},
                                this);
    typeGroup_->setGeometry(8, 171, 129, 57);
    typeGroup_->setItemIndex(0);

    representationGroup_ = makeRadioGroup(texts_, QT_TR_NOOP("Reprezentare complex : "),
                                          {QT_TR_NOOP("Carte&zian"), QT_TR_NOOP("&Polar")}, this);
    representationGroup_->setGeometry(8, 232, 129, 57);
    representationGroup_->setItemIndex(1);
    representationGroup_->setEnabled(false);

    cancelButton_ = new QPushButton(this);
    texts_.text(cancelButton_, QT_TR_NOOP("Cancel"));
    cancelButton_->setGeometry(8, 299, 129, 20);
    okButton_ = new QPushButton(this);
    texts_.text(okButton_, QT_TR_NOOP("OK"));
    okButton_->setGeometry(8, 325, 129, 20);
    okButton_->setDefault(true);
    okButton_->setEnabled(false);

    previewView_ = new BitmapView(this);
    previewView_->move(144, 56);
    previewView_->setBitmap(&plotter_.bitmap());

    setTabOrder(nameEdit_, countEdit_);
    setTabOrder(countEdit_, expressionEdit_);
    setTabOrder(expressionEdit_, typeGroup_->button(0));
    setTabOrder(typeGroup_->button(0), typeGroup_->button(1));
    setTabOrder(typeGroup_->button(1), representationGroup_->button(0));
    setTabOrder(representationGroup_->button(0), representationGroup_->button(1));
    setTabOrder(representationGroup_->button(1), cancelButton_);
    setTabOrder(cancelButton_, okButton_);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMilliseconds);

    connect(expressionEdit_, &QLineEdit::textChanged, this, &GenerateDialog::expressionChanged);
    connect(countEdit_, &SpinEdit::textChanged, this, &GenerateDialog::sampleCountChanged);
    connect(typeGroup_, &RadioGroup::itemChanged, this, &GenerateDialog::variableKindChanged);
    connect(representationGroup_, &RadioGroup::itemChanged, this, &GenerateDialog::complexViewChanged);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { done(resultCode(dialogAnswer::cancel)); });
    connect(okButton_, &QPushButton::clicked, this, &GenerateDialog::acceptVariable);
    connect(timer_, &QTimer::timeout, this, &GenerateDialog::tick);
    setObjectNames({{nameLabel_, "Label1"}, {nameEdit_, "Edit1"}, {expressionLabel_, "Label2"},
                    {expressionEdit_, "Edit2"}, {countLabel_, "Label3"}, {countEdit_, "SpinEdit1"},
                    {gauge_, "Gauge1"}, {messageArea_, "Memo1"}, {typeGroup_, "RadioGroup1"},
                    {representationGroup_, "RadioGroup2"}, {cancelButton_, "Button1"}, {okButton_, "Button2"},
                    {previewView_, "tBmpLnk1"}, {timer_, "Timer1"}});
}

// A run still going belongs to the sampling worker's owner, which ends it; the preview is the
// plotter's owner's.
GenerateDialog::~GenerateDialog()
{
    timer_->stop();
    plotter_.stop();
}

void GenerateDialog::preset(const QString& name, const QString& expression)
{
    nameEdit_->setText(name);
    expressionEdit_->setText(expression);
}

void GenerateDialog::done(int result)
{
    plotter_.stop();
    QDialog::done(result);
}

// The cycle runs while the dialog is shown. A run that ends while it is hidden waits, its result
// kept, until the dialog is shown again, so the preview never draws into the plot bitmap while
// another window shows it.
void GenerateDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activated();
    timer_->start();
}

void GenerateDialog::hideEvent(QHideEvent* event)
{
    timer_->stop();
    QDialog::hideEvent(event);
}

void GenerateDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        messageArea_->setPlainText(shownText(parseMessage_));
    }
    QDialog::changeEvent(event);
}

void GenerateDialog::activated()
{
    autoComplex_ = true;
    markChangePending();
}

void GenerateDialog::markChangePending()
{
    changePending_ = true;
    okButton_->setEnabled(false);
}

void GenerateDialog::expressionChanged()
{
    markChangePending();
}

void GenerateDialog::sampleCountChanged()
{
    sampleCount_ = clampSampleCount(SpinEdit::readInteger(countEdit_->text()).value_or(kDefaultCount));
    markChangePending();
}

void GenerateDialog::variableKindChanged()
{
    markChangePending();
    representationGroup_->setEnabled(typeGroup_->itemIndex() == kComplexItem);
}

void GenerateDialog::complexViewChanged()
{
    markChangePending();
}

void GenerateDialog::tick()
{
    gauge_->setValue(std::clamp(gaugeShowsPreview_ ? plotter_.progress() : sampler_.progress(), 0, 100));
    // A run over what has just changed would only be thrown away: it ends now (within a fraction
    // of a second) rather than being waited out, and the new run starts on this tick.
    if (changePending_ && sampler_.busy())
        sampler_.stop();
    if (sampler_.done() && !sampler_.busy())
        handRunToPreview();
    if (changePending_ && !sampler_.busy())
        parseAndSample();
}

void GenerateDialog::handRunToPreview()
{
    // The plotter draws a copy; the run's own buffer stays untouched for OK.
    const sampleBuffer& run = sampler_.buffer();
    sampleBuffer& shown = *preview_;
    shown.setCount(run.count);
    std::copy_n(run.values.begin(), run.count, shown.values.begin());
    shown.isComplex = run.isComplex;

    const bool complex = typeGroup_->itemIndex() == kComplexItem;
    plotter_.setPreviewMode(!complex                                      ? previewMode::real
                            : representationGroup_->itemIndex() == kCartesianItem ? previewMode::cartesian
                                                                         : previewMode::polar);
    if (parseMessage_.empty() && !changePending_)
        okButton_->setEnabled(true);
    sampler_.clearDone();
    gaugeShowsPreview_ = true;
    // Without a thread the error box says so; the run's result is there for OK all the same.
    runGuarded([this] { plotter_.start(previewView_, preview_); });
}

void GenerateDialog::parseAndSample()
{
    changePending_ = false;
    parsedExpression parsed = parseExpression(expressionEdit_->text().toStdString(), workspace_);
    if (autoComplex_ && parsed.root->complexFlag()) {
        autoComplex_ = false;
        if (typeGroup_->itemIndex() != kComplexItem)
            typeGroup_->setItemIndex(kComplexItem); // runs variableKindChanged
        else
            variableKindChanged();
    }
    parseMessage_ = parsed.message;
    messageArea_->setPlainText(shownText(parseMessage_));
    okButton_->setEnabled(false);
    gaugeShowsPreview_ = false;
    // Without a thread the error box says so; the next change tries again.
    runGuarded([&] { sampler_.start(std::move(parsed.root), sampleCount_); });
}

void GenerateDialog::acceptVariable()
{
    if (sampler_.busy())
        return; // cannot happen: OK is disabled from the start of a run to its hand-over
    createVariable();
    done(resultCode(dialogAnswer::ok));
}

void GenerateDialog::createVariable()
{
    addNamedVariable(*nameEdit_, nameCorrection_, workspace_,
                     samplesFromBuffer(sampler_.buffer(), typeGroup_->itemIndex() == kComplexItem),
                     {.description = expressionEdit_->text().toStdString()});
}
