// SignalPlayer: plays a variable through the default audio output (Qt Multimedia's QAudioSink):
// the real part (of a complex variable too), scaled so that its peak is full scale, as 16-bit
// samples at the variable's sample rate, or at 8000 Hz when it has none. One sound at a time; a
// new one stops the old. A machine without an audio output, or an output that cannot play the
// rate, gives a message instead of a sound; nothing here waits for the device. GUI thread only.
#pragma once

#include "core/variable.h"

#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;

class SignalPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultRate = 8000;

    explicit SignalPlayer(QObject* parent = nullptr);
    ~SignalPlayer() override;

    // Starts playing a copy of the variable's samples. Returns an empty text, or the message that
    // says why nothing plays.
    QString play(const tdspvar& variable);
    void stop();
    bool playing() const { return sink_ != nullptr; }

    // The rate a variable plays at, in Hz: its own, or kDefaultRate without one.
    static double playbackRate(const tdspvar& variable);
    // The real parts as signed 16-bit samples in the machine's byte order, the largest magnitude
    // at 32767; values that are not finite play as silence, as does a variable of zeros.
    static QByteArray pcmSamples(const tdspvar& variable);

signals:
    // Playing started, or stopped (at the end of the sound, by stop(), or by a device error).
    void playingChanged(bool playing);

private:
    std::unique_ptr<QAudioSink> sink_;
    QByteArray data_;
    QBuffer buffer_;
};
