#include "ui/signalplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr extended kFullScale = 32767;
// Rates outside this are no sound rate any output takes.
constexpr double kLowestRate = 1;
constexpr double kHighestRate = 384000;

} // namespace

SignalPlayer::SignalPlayer(QObject* parent) : QObject(parent) {}

SignalPlayer::~SignalPlayer()
{
    if (sink_)
        sink_->stop();
}

double SignalPlayer::playbackRate(const tdspvar& variable)
{
    return variable.sampleRate() > 0 ? variable.sampleRate() : kDefaultRate;
}

QByteArray SignalPlayer::pcmSamples(const tdspvar& variable)
{
    const std::vector<extended>& re = variable.real();
    extended peak = 0;
    for (const extended v : re)
        if (std::isfinite(v))
            peak = std::max(peak, std::fabs(v));
    QByteArray bytes(static_cast<qsizetype>(re.size() * sizeof(std::int16_t)), '\0');
    auto* out = reinterpret_cast<std::int16_t*>(bytes.data());
    if (peak > 0)
        for (std::size_t i = 0; i < re.size(); ++i)
            out[i] = std::isfinite(re[i]) ? static_cast<std::int16_t>(std::lrint(re[i] / peak * kFullScale)) : 0;
    return bytes;
}

QString SignalPlayer::play(const tdspvar& variable)
{
    stop();
    const double rate = playbackRate(variable);
    if (!(rate >= kLowestRate && rate <= kHighestRate))
        return tr("Frecventa de esantionare %1 Hz nu poate fi redata (se pot reda %2 ... %3 Hz).")
            .arg(rate)
            .arg(kLowestRate)
            .arg(kHighestRate);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return tr("Nu exista niciun dispozitiv audio : variabila nu poate fi ascultata.");
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(std::lround(rate)));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return tr("Dispozitivul audio %1 nu poate reda la %2 Hz.").arg(device.description()).arg(rate);

    data_ = pcmSamples(variable);
    buffer_.close();
    buffer_.setData(data_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        sink_.reset();
        buffer_.close();
        return tr("Dispozitivul audio %1 nu a putut fi deschis.").arg(device.description());
    }
    // Idle: the buffer has been played out; stopped: a device error ended it.
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            stop();
    });
    emit playingChanged(true);
    return {};
}

void SignalPlayer::stop()
{
    if (!sink_)
        return;
    // The sink is let go first: stopping it announces the stopped state, which calls here again.
    std::unique_ptr<QAudioSink> sink = std::move(sink_);
    sink->disconnect(this);
    sink->stop();
    sink.release()->deleteLater(); // it may be the sender of the signal that brought us here
    buffer_.close();
    emit playingChanged(false);
}
