#include "ui/generatedialog.h"

#include "core/workspace.h"
#include "dsp/sampling.h"
#include "expr/parser.h"
#include "expr/mathnode.h"
#include "ui/application.h"
#include "ui/namecorrection.h"
#include "ui/objectnames.h"
#include "ui/radiogroup.h"
#include "ui/samplingworker.h"
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

namespace {

constexpr int kDefaultCount = 128;
constexpr int kTickMilliseconds = 10;
constexpr int kComplexItem = 1;   // RadioGroup1's "&Complex"
constexpr int kCartesianItem = 0; // RadioGroup2's "Carte&zian"

// A label at (x, y) that focuses `buddy` on its mnemonic. When the program font is too wide for
// the room before the next control, the label narrows its own font until the text fits.
QLabel* makeLabel(const QString& text, int x, int y, int room, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    QFont font = label->font();
    for (int stretch = QFont::Unstretched; stretch >= QFont::ExtraCondensed; stretch -= 6) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(QString(text).remove(u'&')) <= room)
            break;
    }
    label->setFont(font);
    label->adjustSize();
    label->move(x, y);
    return label;
}

} // namespace

GenerateDialog::GenerateDialog(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), sampler_(with.sampler),
      nameCorrection_(with.nameCorrection), plotter_(with.preview)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Generare Functie"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(536, 352);

    Edit1 = new QLineEdit(QStringLiteral("var_00"), this);
    Edit1->setGeometry(88, 8, 265, 21);
    Label1 = makeLabel(QStringLiteral("&Nume variabila :"), 8, 11, 78, Edit1, this);

    Edit2 = new QLineEdit(QStringLiteral("sin(x*pi*2+0.2)"), this);
    Edit2->setGeometry(88, 32, 265, 21);
    Label2 = makeLabel(QStringLiteral("&Functie : "), 8, 35, 78, Edit2, this);

    SpinEdit1 = new SpinEdit(this);
    SpinEdit1->setRange(1, kMaxSampleCount);
    SpinEdit1->setMaxLength(5);
    SpinEdit1->setText(QString::number(kDefaultCount));
    SpinEdit1->setGeometry(472, 6, 57, 22);
    Label3 = makeLabel(QStringLiteral("Numar de &sample-uri :"), 361, 11, 109, SpinEdit1, this);

    Gauge1 = new QProgressBar(this);
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    Gauge1->setGeometry(360, 32, 168, 21);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 56, 129, 113);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = Memo1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        memoPalette.setColor(group, QPalette::Base, palette().color(group, QPalette::Window));
    // Disabled only so that it takes no focus: the message stays as legible as any label.
    memoPalette.setColor(QPalette::Disabled, QPalette::Text,
                         palette().color(QPalette::Active, QPalette::WindowText));
    Memo1->setPalette(memoPalette);

    RadioGroup1 = new RadioGroup(QStringLiteral("Tip Variabila : "),
                                  {QStringLiteral("&Real"), QStringLiteral("&Complex")}, this);
    RadioGroup1->setGeometry(8, 171, 129, 57);
    RadioGroup1->setItemIndex(0);

    RadioGroup2 = new RadioGroup(QStringLiteral("Reprezentare complex : "),
                                  {QStringLiteral("Carte&zian"), QStringLiteral("&Polar")}, this);
    RadioGroup2->setGeometry(8, 232, 129, 57);
    RadioGroup2->setItemIndex(1);
    RadioGroup2->setEnabled(false);

    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setGeometry(8, 299, 129, 20);
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setGeometry(8, 325, 129, 20);
    Button2->setDefault(true);
    Button2->setEnabled(false);

    tBmpLnk1 = new BitmapView(this);
    tBmpLnk1->move(144, 56);
    tBmpLnk1->setBitmap(&plotter_.bitmap());

    setTabOrder(Edit1, SpinEdit1);
    setTabOrder(SpinEdit1, Edit2);
    setTabOrder(Edit2, RadioGroup1->button(0));
    setTabOrder(RadioGroup1->button(0), RadioGroup1->button(1));
    setTabOrder(RadioGroup1->button(1), RadioGroup2->button(0));
    setTabOrder(RadioGroup2->button(0), RadioGroup2->button(1));
    setTabOrder(RadioGroup2->button(1), Button1);
    setTabOrder(Button1, Button2);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTickMilliseconds);

    connect(Edit2, &QLineEdit::textChanged, this, &GenerateDialog::expressionChanged);
    connect(SpinEdit1, &SpinEdit::textChanged, this, &GenerateDialog::sampleCountChanged);
    connect(RadioGroup1, &RadioGroup::itemChanged, this, &GenerateDialog::variableKindChanged);
    connect(RadioGroup2, &RadioGroup::itemChanged, this, &GenerateDialog::complexViewChanged);
    connect(Button1, &QPushButton::clicked, this, [this] { done(dialogResult::cancel); });
    connect(Button2, &QPushButton::clicked, this, &GenerateDialog::acceptVariable);
    connect(Timer1, &QTimer::timeout, this, &GenerateDialog::tick);
    setObjectNames({{Label1, "Label1"}, {Edit1, "Edit1"}, {Label2, "Label2"}, {Edit2, "Edit2"},
                    {Label3, "Label3"}, {SpinEdit1, "SpinEdit1"}, {Gauge1, "Gauge1"}, {Memo1, "Memo1"},
                    {RadioGroup1, "RadioGroup1"}, {RadioGroup2, "RadioGroup2"}, {Button1, "Button1"},
                    {Button2, "Button2"}, {tBmpLnk1, "tBmpLnk1"}, {Timer1, "Timer1"}});
}

// A run still going belongs to the sampling worker's owner, which ends it; the preview is the
// plotter's owner's.
GenerateDialog::~GenerateDialog()
{
    Timer1->stop();
    plotter_.stop();
}

void GenerateDialog::preset(const QString& name, const QString& expression)
{
    Edit1->setText(name);
    Edit2->setText(expression);
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
    Timer1->start();
}

void GenerateDialog::hideEvent(QHideEvent* event)
{
    Timer1->stop();
    QDialog::hideEvent(event);
}

void GenerateDialog::activated()
{
    autoComplex_ = true;
    markChangePending();
}

void GenerateDialog::markChangePending()
{
    changePending_ = true;
    Button2->setEnabled(false);
}

void GenerateDialog::expressionChanged()
{
    markChangePending();
}

void GenerateDialog::sampleCountChanged()
{
    sampleCount_ = clampSampleCount(SpinEdit::readInteger(SpinEdit1->text()).value_or(kDefaultCount));
    markChangePending();
}

void GenerateDialog::variableKindChanged()
{
    markChangePending();
    RadioGroup2->setEnabled(RadioGroup1->itemIndex() == kComplexItem);
}

void GenerateDialog::complexViewChanged()
{
    markChangePending();
}

void GenerateDialog::tick()
{
    Gauge1->setValue(std::clamp(gaugeShowsPreview_ ? plotter_.progress() : sampler_.progress(), 0, 100));
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

    const bool complex = RadioGroup1->itemIndex() == kComplexItem;
    plotter_.setPreviewMode(!complex                                      ? previewMode::real
                            : RadioGroup2->itemIndex() == kCartesianItem ? previewMode::cartesian
                                                                         : previewMode::polar);
    if (parseMessage_.empty() && !changePending_)
        Button2->setEnabled(true);
    sampler_.clearDone();
    gaugeShowsPreview_ = true;
    // Without a thread the error box says so; the run's result is there for OK all the same.
    runGuarded([this] { plotter_.start(tBmpLnk1, preview_); });
}

void GenerateDialog::parseAndSample()
{
    changePending_ = false;
    parsedExpression parsed = parseExpression(Edit2->text().toStdString(), workspace_);
    if (autoComplex_ && parsed.root->complexFlag()) {
        autoComplex_ = false;
        if (RadioGroup1->itemIndex() != kComplexItem)
            RadioGroup1->setItemIndex(kComplexItem); // runs variableKindChanged
        else
            variableKindChanged();
    }
    parseMessage_ = parsed.message;
    Memo1->setPlainText(QString::fromStdString(parseMessage_));
    Button2->setEnabled(false);
    gaugeShowsPreview_ = false;
    // Without a thread the error box says so; the next change tries again.
    runGuarded([&] { sampler_.start(std::move(parsed.root), sampleCount_); });
}

void GenerateDialog::acceptVariable()
{
    if (sampler_.busy())
        return; // cannot happen: OK is disabled from the start of a run to its hand-over
    createVariable();
    done(dialogResult::ok);
}

void GenerateDialog::createVariable()
{
    addNamedVariable(*Edit1, nameCorrection_, workspace_,
                     samplesFromBuffer(sampler_.buffer(), RadioGroup1->itemIndex() == kComplexItem),
                     {.description = Edit2->text().toStdString()});
}
