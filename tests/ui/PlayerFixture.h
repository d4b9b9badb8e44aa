#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "FakeMidiService.h"
#include "MainWindow.h"
#include "SettingsAccess.h"
#include "SmfWriter.h"

namespace cantorino::test {

/// A main window on a fake MIDI service, with its settings and songs in a temporary folder.
class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Writes a song and returns its path.
    QString writeSong(const QString& name, const SmfWriter& song);
    /// A song whose Words track holds lines A, B, C, D of two syllables each, one every 100 ticks.
    static SmfWriter fourLineSong(uint32_t tempoMicros = 500000);
    /// Sets the song to play and opens it through Play.
    void playSong(const QString& path);

    QTemporaryDir dir_;
    FakeMidiService service_;
    std::unique_ptr<SettingsAccess> settings_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace cantorino::test
