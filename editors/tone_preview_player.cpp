// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/tone_preview_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "codec/square_wave.h"

namespace zq61::gui {

namespace {

constexpr int kSampleRate = 48000;

}  // namespace

TonePreviewPlayer::TonePreviewPlayer(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TonePreviewPlayer::playNext);
}

TonePreviewPlayer::~TonePreviewPlayer() {
    halt();
}

void TonePreviewPlayer::play(std::vector<PreviewSound> sounds) {
    halt();
    sounds_ = std::move(sounds);
    next_ = 0;
    stopRequested_ = false;
    playing_ = true;
    playNext();
}

void TonePreviewPlayer::stop() {
    stopRequested_ = true;
}

void TonePreviewPlayer::halt() {
    timer_.stop();
    silenceOutput();
    playing_ = false;
    sounds_.clear();
    next_ = 0;
}

void TonePreviewPlayer::playNext() {
    silenceOutput();
    // The stop is looked at before every tone; the pause after a repetition
    // still follows its melody.
    const bool stopped = stopRequested_ && next_ < sounds_.size() && !sounds_[next_].isPause;
    if (next_ >= sounds_.size() || stopped) {
        halt();
        emit finished();
        return;
    }
    sound(sounds_[next_++]);
}

void TonePreviewPlayer::sound(const PreviewSound& s) {
    emit soundStarted(s.pitchHz, s.lengthMs, s.isPause);
    if (s.pitchHz > 0 && openOutput()) {
        const std::vector<int16_t> wave = squareWaveSamples(s.pitchHz, s.lengthMs, kSampleRate);
        samples_ = QByteArray(reinterpret_cast<const char*>(wave.data()),
                              static_cast<qsizetype>(wave.size() * sizeof(int16_t)));
        buffer_.setData(samples_);
        buffer_.open(QIODevice::ReadOnly);
        sink_->start(&buffer_);
    }
    // The sink reports the end of its data late: the timer times each tone.
    timer_.start(std::max(s.lengthMs, 0));
}

void TonePreviewPlayer::silenceOutput() {
    if (sink_) sink_->stop();
    if (buffer_.isOpen()) buffer_.close();
}

bool TonePreviewPlayer::openOutput() {
    if (silent_) return false;
    if (!outputChecked_) {
        outputChecked_ = true;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        QAudioFormat format;
        format.setSampleRate(kSampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) return false;
        sink_ = std::make_unique<QAudioSink>(device, format);
    }
    return sink_ != nullptr;
}

}  // namespace zq61::gui
