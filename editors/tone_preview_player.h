// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays the sounds of a tone tip preview one after another from a timer, so
// the window stays responsive and can close, and the program can quit, at
// any moment. Each tone is a square wave on the default sound output; without
// a sound output (or when made silent) each tone passes as a silent wait of
// the same length, so the timing stays the same.

#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

#include "model/tone_tips.h"

class QAudioSink;

namespace zq61::gui {

class TonePreviewPlayer : public QObject {
    Q_OBJECT
  public:
    explicit TonePreviewPlayer(QObject* parent = nullptr);
    ~TonePreviewPlayer() override;

    // Plays `sounds` from the start; a preview still playing ends at once.
    void play(std::vector<PreviewSound> sounds);
    // Ends the preview before the next tone: the current tone (or pause)
    // plays to its end, as the radio's own stop does.
    void stop();
    // Ends the preview at once, without a finished signal (closing the window).
    void halt();
    bool isPlaying() const { return playing_; }
    // No sound output even when one exists (the window tests).
    void setSilent(bool silent) { silent_ = silent; }

  signals:
    // A sound began: its pitch (0 = silence) and length.
    void soundStarted(int pitchHz, int lengthMs, bool isPause);
    // The preview ended: played through or stopped.
    void finished();

  private:
    void playNext();
    void sound(const PreviewSound& s);
    void silenceOutput();
    bool openOutput();

    std::vector<PreviewSound> sounds_;
    std::size_t next_ = 0;
    bool stopRequested_ = false;
    bool playing_ = false;
    bool silent_ = false;
    bool outputChecked_ = false;
    QTimer timer_;
    std::unique_ptr<QAudioSink> sink_;
    QBuffer buffer_;
    QByteArray samples_;
};

}  // namespace zq61::gui
