#include "ui/processingdialog.h"

#include "core/workspace.h"
#include "dsp/resultinfo.h"
#include "dsp/sampling.h"
#include "ui/application.h"
#include "ui/namecorrection.h"
#include "ui/objectnames.h"
#include "ui/radiogroup.h"
#include "ui/spinedit.h"
#include "ui/previewoverlay.h"
#include "ui/previewworker.h"
#include "ui/showntexts.h"
#include "ui/bitmapview.h"
#include "ui/filterfields.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kClientWidth = 528;
constexpr int kClientHeight = 373;
constexpr int kListHeight = 21;
constexpr int kEditHeight = 21;
constexpr int kLengthFieldCharacters = 5;
constexpr int kNewVariable = 1; // the destination group's "&Variabila noua"
constexpr int kInverseItem = 1; // the Fourier transform's "Inversa"
// The resampling length's range.
constexpr int kMinLength = 1;
constexpr int kMaxLength = 65536;

// The resampling length a text gives: a whole number in 1 .. 65536, else `fallback`.
int lengthFromText(const QString& text, int fallback)
{
    const std::optional<int> number = SpinEdit::readInteger(text);
    return number && *number >= kMinLength && *number <= kMaxLength ? *number : fallback;
}

bool takesVariableOperand(processingType type)
{
    return type == processingType::correlation || type == processingType::sum ||
           type == processingType::product || type == processingType::convolution;
}

QString captionOf(processingType type)
{
    switch (type) {
    case processingType::windowing: return ProcessingDialog::tr("Ferestruire");
    case processingType::autocorrelation: return ProcessingDialog::tr("Corelatie");
    case processingType::resampling: return ProcessingDialog::tr("Schimbarea numarului de esantioane");
    case processingType::correlation: return ProcessingDialog::tr("Corelatie");
    case processingType::sum: return ProcessingDialog::tr("Adunare");
    case processingType::product: return ProcessingDialog::tr("Inmultire");
    case processingType::fourier: return ProcessingDialog::tr("Transformata Fourier");
    case processingType::convolution: return ProcessingDialog::tr("Convolutie");
    case processingType::filter: return ProcessingDialog::tr("Filtrare");
    }
    return ProcessingDialog::tr("Procesare");
}

// The operand list's own items, for the commands whose operand is not a variable or a window.
std::vector<const char*> fixedOperands(processingType type)
{
    switch (type) {
    case processingType::autocorrelation: return {QT_TRANSLATE_NOOP("ProcessingDialog", "Autocorelatie")};
    case processingType::resampling: return {QT_TRANSLATE_NOOP("ProcessingDialog", "Resample")};
    case processingType::fourier:
        return {QT_TRANSLATE_NOOP("ProcessingDialog", "Directa"), QT_TRANSLATE_NOOP("ProcessingDialog", "Inversa")};
    case processingType::filter: return {"H(z)"};
    default: return {};
    }
}

} // namespace

ProcessingDialog::ProcessingDialog(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), nameCorrection_(with.nameCorrection),
      windowNames_(with.windowNames), plotter_(with.preview)
{
    setObjectName(QStringLiteral("TForm5"));
    showTitle();
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    const auto label = [this](const char* source, int left, int top) {
        auto* l = new QLabel(this);
        l->move(left, top);
        texts_.bind(source, [l](const QString& t) {
            l->setText(t);
            l->adjustSize();
        });
        return l;
    };
    sourceLabel_ = label(QT_TR_NOOP("Sursa :"), 8, 8);
    sourceList_ = new QComboBox(this);
    sourceList_->setGeometry(8, 24, 121, kListHeight);
    sourceLabel_->setBuddy(sourceList_);
    operandLabel_ = label(QT_TR_NOOP("Operand : "), 8, 56);
    operandList_ = new QComboBox(this);
    operandList_->setGeometry(8, 72, 121, kListHeight);
    lengthLabel_ = label(QT_TR_NOOP("Esantioane rezultat"), 8, 96);
    lengthEdit_ = new SpinEdit(this);
    lengthEdit_->setGeometry(8, 112, 121, 22);
    lengthEdit_->setRange(kMinLength, kMaxLength);
    lengthEdit_->setMaxLength(kLengthFieldCharacters);
    lengthEdit_->setValue(kDefaultLength);

    destinationGroup_ = makeRadioGroup(texts_, QT_TR_NOOP(" Destinatie : "),
                                       {QT_TR_NOOP("&Aceeasi variabila"), QT_TR_NOOP("&Variabila noua")}, this);
    destinationGroup_->setGeometry(136, 8, 385, 57);
    destinationGroup_->setItemIndex(0);
    // The name field sits inside the destination frame, right of its second item.
    nameEdit_ = new QLineEdit(QStringLiteral("nume variabila"), this);
    nameEdit_->setGeometry(266, 39, 249, kEditHeight);
    nameEdit_->setEnabled(false);

    previewView_ = new BitmapView(this);
    previewView_->move(136, 76);
    previewView_->setBitmap(&plotter_.bitmap());
    previewView_->setFocusPolicy(Qt::TabFocus); // a stop of its own between the length and the destination
    previewOverlay_ = new PreviewOverlay(previewView_);

    okButton_ = new QPushButton(this);
    texts_.text(okButton_, QT_TR_NOOP("Ok"));
    okButton_->setGeometry(8, 321, 121, 20);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    texts_.text(cancelButton_, QT_TR_NOOP("Cancel"));
    cancelButton_->setGeometry(8, 345, 121, 20);
    filterFields_ = new FilterFields(this, with.typedSystem);

    setTabOrder(sourceList_, operandList_);
    setTabOrder(operandList_, lengthEdit_);
    setTabOrder(lengthEdit_, filterFields_->numeratorEdit());
    setTabOrder(filterFields_->numeratorEdit(), filterFields_->denominatorEdit());
    setTabOrder(filterFields_->denominatorEdit(), previewView_);
    setTabOrder(previewView_, destinationGroup_);
    setTabOrder(destinationGroup_, nameEdit_);
    setTabOrder(nameEdit_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    connect(sourceList_, &QComboBox::currentIndexChanged, this, [this] { choicesChanged(); });
    connect(operandList_, &QComboBox::currentIndexChanged, this, [this] { choicesChanged(); });
    connect(lengthEdit_, &SpinEdit::textChanged, this, [this] { choicesChanged(); });
    connect(filterFields_, &FilterFields::changed, this, [this] { choicesChanged(); });
    connect(destinationGroup_, &RadioGroup::itemChanged, this, [this] { targetChanged(); });
    connect(nameEdit_, &QLineEdit::textEdited, this, [this] { nameEdited(); });
    connect(okButton_, &QPushButton::clicked, this, [this] { acceptResult(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { done(resultCode(dialogAnswer::cancel)); });
    setObjectNames({{sourceLabel_, "Label1"}, {sourceList_, "ComboBox1"}, {operandLabel_, "Label2"},
                    {operandList_, "ComboBox2"}, {lengthLabel_, "Label3"}, {lengthEdit_, "SpinEdit1"},
                    {destinationGroup_, "RadioGroup1"}, {nameEdit_, "Edit1"}, {previewView_, "tBmpLnk1"},
                    {okButton_, "Button1"}, {cancelButton_, "Button2"}});
}

void ProcessingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepareForShow();
}

void ProcessingDialog::prepareForShow()
{
    const processingType type = processingType_;
    QStringList names;
    std::vector<std::string> list;
    workspace_.variableNameList(list);
    for (const std::string& name : list)
        names.append(QString::fromStdString(name));
    const int currentIndex = current_ ? workspace_.indexOf(*current_) : -1;

    const QSignalBlocker blockSource(sourceList_);
    const QSignalBlocker blockOperand(operandList_);
    sourceList_->clear();
    sourceList_->addItems(names);
    sourceList_->setCurrentIndex(currentIndex >= 0 ? currentIndex : 0);

    titleType_ = type;
    showTitle();
    operandList_->clear();
    switch (type) {
    case processingType::windowing: operandList_->addItems(windowNames_); break;
    default:
        if (takesVariableOperand(type))
            operandList_->addItems(names);
        for (const char* item : fixedOperands(type))
            operandList_->addItem(tr(item));
        break;
    }
    operandList_->setCurrentIndex(0);
    lengthEdit_->setEnabled(type == processingType::resampling);
    filterFields_->setShown(type == processingType::filter);

    open_ = true;
    nameFollow_ = true;
    choicesChanged();
}

void ProcessingDialog::choicesChanged()
{
    if (!open_)
        return; // a length pulled into its range as the dialog closes; the next opening recomputes
    resampleLength_ = lengthFromText(lengthEdit_->text(), kDefaultLength);
    rebuildTexts();
    recompute();
    startPreview();
}

void ProcessingDialog::rebuildTexts()
{
    const QString s = sourceList_->currentText();
    const QString o = operandList_->currentText();
    switch (processingType_) {
    case processingType::windowing:
        defaultName_ = s + QStringLiteral("_") + o;
        description_ = tr("Variabila %1 ferestruita cu %2").arg(s, o);
        break;
    case processingType::autocorrelation:
        defaultName_ = s + QStringLiteral("_co_") + s;
        description_ = tr("Autocorelatia variabilei %1").arg(s);
        break;
    case processingType::resampling:
        // The length the result has, also where the field's text gives none.
        defaultName_ = s + QStringLiteral("_resample") + QString::number(resampleLength_);
        description_ = tr("Variabilea %1 cu numar schimbat de sampleuri").arg(s);
        break;
    case processingType::correlation:
        defaultName_ = s + QStringLiteral("_co_") + o;
        description_ = tr("Corelatia variabilelor %1 si %2").arg(s, o);
        break;
    case processingType::sum:
        defaultName_ = s + QStringLiteral("_plus_") + o;
        description_ = tr("Suma variabilelor %1 si %2").arg(s, o);
        break;
    case processingType::product:
        defaultName_ = s + QStringLiteral("_mult_") + o;
        description_ = tr("Produsul variabilelor %1 si %2").arg(s, o);
        break;
    case processingType::fourier:
        defaultName_ = s + QStringLiteral("_fourier");
        description_ = tr("Transformata Fourier a variabilei %1").arg(s);
        break;
    case processingType::convolution:
        defaultName_ = s + QStringLiteral("_cv_") + o;
        description_ = tr("Convolutia variabilelor %1 si %2").arg(s, o);
        break;
    case processingType::filter:
        defaultName_ = s + QStringLiteral("_filtrat");
        description_ = tr("Variabila %1 filtrata cu H(z) = (%2) / (%3)")
                           .arg(s, filterFields_->numeratorText(), filterFields_->denominatorText());
        break;
    default:
        defaultName_.clear();
        description_.clear();
        break;
    }
    if (nameFollow_)
        nameEdit_->setText(defaultName_);
}

tdspvarPtr ProcessingDialog::listedVariable(const QComboBox* list) const
{
    // Both variable lists hold the workspace in its order, so an item's position is its variable
    // (also when two stored names differ only in case and show alike).
    const std::vector<tdspvarPtr>& variables = workspace_.variables();
    const int index = list->currentIndex();
    return index >= 0 && index < static_cast<int>(variables.size())
               ? variables[static_cast<std::size_t>(index)]
               : nullptr;
}

void ProcessingDialog::recompute()
{
    const processingType type = processingType_;
    const tdspvarPtr source = listedVariable(sourceList_);
    const tdspvarPtr operand = takesVariableOperand(type) ? listedVariable(operandList_) : nullptr;
    // A running pass abandons its drawing before the buffer changes under the next one.
    plotter_.stop();
    sampleBuffer& buffer = *result_;
    buffer.isComplex = source && source->isComplex();
    processingRequest request;
    request.type = type;
    request.source = source.get();
    request.operand = type == processingType::autocorrelation ? source.get() : operand.get();
    request.windowIndex = std::max(0, operandList_->currentIndex());
    request.direction = operandList_->currentIndex() == kInverseItem ? fourierDirection::inverse
                                                                  : fourierDirection::direct;
    request.length = resampleLength_;
    const transferFunction system = type == processingType::filter ? filterFields_->system() : transferFunction{};
    filterOutcome filtered;
    request.system = &system;
    request.filterReport = &filtered;
    refusal_.clear();
    try {
        if (!runProcessing(request, buffer))
            refusal_ = tr("Result too large: %1 samples, more than the %2 a variable holds")
                           .arg(resultCount(request))
                           .arg(kMaxVariableSamples);
        // A refused system writes nothing; a diverging one is written as computed, and said.
        const QString note = shownText(filterMessage(filtered));
        filterFields_->setNote(note);
        if (filtered.problem != systemProblem::none && source)
            refusal_ = note;
    } catch (const std::bad_alloc& error) {
        buffer.setCount(0); // the preview shows an empty grid
        buffer.isComplex = false;
        refusal_ = commandErrorText(&error);
    }
    previewOverlay_->setMessage(refusal_);
}

void ProcessingDialog::startPreview()
{
    plotter_.setPreviewMode(result_->isComplex ? previewMode::cartesian : previewMode::real);
    // Clears the stop; a busy plotter starts over on the new buffer. Without a thread the error
    // box says so, and Ok still writes the result.
    runGuarded([this] { plotter_.start(previewView_, result_); });
}

void ProcessingDialog::targetChanged()
{
    const bool newVariable = destinationGroup_->itemIndex() == kNewVariable;
    nameEdit_->setEnabled(newVariable);
    if (newVariable)
        nameEdit_->setFocus();
}

void ProcessingDialog::nameEdited()
{
    nameFollow_ = false; // the user's own name from now on
}

void ProcessingDialog::acceptResult()
{
    const QString caption = parentWidget() ? parentWidget()->windowTitle() : windowTitle();
    if (processingType_ == processingType::resampling && lengthFromText(lengthEdit_->text(), 0) == 0) {
        // A length out of the range (typed, then Enter) is refused, not replaced; the dialog
        // stays open for another.
        QMessageBox::warning(this, caption,
                             tr("Numar de esantioane gresit : %1\nSe accepta valori intre %2 si %3.")
                                 .arg(lengthEdit_->text())
                                 .arg(kMinLength)
                                 .arg(kMaxLength));
        lengthEdit_->setFocus();
        return;
    }
    if (!refusal_.isEmpty())
        QMessageBox::critical(this, caption, refusal_);
    else
        runGuarded([this] { commit(); }); // running out of memory changes no variable
    done(resultCode(dialogAnswer::ok));
}

void ProcessingDialog::commit()
{
    const sampleBuffer& buffer = *result_;
    const tdspvarPtr source = listedVariable(sourceList_);
    if (!source || buffer.count < 1)
        return; // an empty workspace: nothing to write, and no variable without samples
    // The samples are made first: when memory runs out no variable has changed.
    signalSamples samples = samplesFromBuffer(buffer, buffer.isComplex);
    // The result's sample rate and domain follow from its source.
    const processingRequest request{.type = processingType_, .source = source.get()};
    if (destinationGroup_->itemIndex() == kNewVariable) {
        addNamedVariable(*nameEdit_, nameCorrection_, workspace_, std::move(samples),
                         processingResultInfo(request, buffer.count, description_.toStdString()));
    } else {
        variableInfo info = processingResultInfo(request, buffer.count, source->description());
        workspace_.replaceSamples(source, std::move(samples)); // its description kept
        if (info != source->info())
            workspace_.setInfo(source, std::move(info));
    }
}

void ProcessingDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        showTitle();
        if (open_) {
            const std::vector<const char*> fixed = fixedOperands(processingType_);
            for (std::size_t i = 0; i < fixed.size(); ++i)
                operandList_->setItemText(static_cast<int>(i), tr(fixed[i]));
            choicesChanged(); // the description and why there is no result
        }
    }
    QDialog::changeEvent(event);
}

// Named after the command it was last shown for; before its first showing, after what it does.
void ProcessingDialog::showTitle()
{
    setWindowTitle(titleType_ ? captionOf(*titleType_) : tr("Procesare"));
}

void ProcessingDialog::done(int result)
{
    open_ = false;
    plotter_.stop();
    QDialog::done(result);
}
