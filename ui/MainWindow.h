#pragma once

#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "CommandLine.h"
#include "PlaybackControls.h"
#include "PlayerState.h"
#include "SongModel.h"

class QCheckBox;
class QLabel;

namespace cantorino {

class AboutWindow;
class ClickableLabel;
class SkinButtons;
class SkinFace;
class LyricClock;
class LyricsWindow;
class MidiService;
class SettingsAccess;
class StatusTimers;
class TitleDisplay;
class Transport;

/// The player's main window: owns the song model, the player state and the controls, and
/// composes the transport, the lyric clock, the lyrics window and the status handlers.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    /// Window size in pixels: the size of the skin.
    static constexpr QSize kSize{760, 580};

    /// A window playing through `service`, with settings beside the program (`settings`).
    MainWindow(MidiService& service, const SettingsAccess& settings, CommandLine commandLine,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    /// Start-up: lyrics window, scale, command line, centring, preferences, MIDI loader.
    void Form_Load();

    /// The song model.
    SongModel& model() { return model_; }
    /// The player state.
    PlayerState& state() { return state_; }
    /// The transport.
    Transport& transport() { return *transport_; }
    /// The lyric clock.
    LyricClock& lyricClock() { return *clock_; }
    /// The status text, beat indicator and ball handlers.
    StatusTimers& statusTimers() { return *status_; }
    /// The lyrics window.
    LyricsWindow& lyricsWindow() { return *lyricsWindow_; }
    /// The About window.
    AboutWindow& aboutWindow() { return *about_; }
    /// The painted buttons and drags.
    SkinButtons& skinButtons() { return *skinButtons_; }
    /// The controls the playback parts draw on.
    const PlaybackControls& controls() const { return controls_; }

    /// Selects the next song of the playlist (with no playlist: the current song again, from its start).
    void NextSong();
    /// Selects the previous song of the playlist.
    void PreviousSong();
    /// Selects the first song of the playlist; nothing when a song came from the command line.
    void FirstList();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createSkinControls();
    void openHelp();
    void createCommandButtons();
    void wire();
    void selectSong(const QString& path);
    void selectDemoSong();
    void reportServiceProblems();
    void showNotice(const QString& text);
    QPushButton* commandButton(const char* name, const QString& caption, void (MainWindow::*action)());
    void command11();
    void command13();
    void command14();
    void command17();
    void command18();
    void command21();

    MidiService& service_;
    const SettingsAccess& settings_;
    CommandLine commandLine_;
    SongModel model_;
    PlayerState state_;
    PlaybackControls controls_;
    QString LastSongFolder;          ///< initial folder of the song dialog
    bool SkinButtonsEnabled = false;  ///< skin buttons react to presses only while set
    bool problemsReported_ = false;
    QPoint dragOffset_;  ///< pointer position within the window at the last press

    QTimer* Timer1;  ///< lyric clock, 1 ms
    QTimer* Timer2;  ///< ball bounce
    QTimer* Timer4;  ///< plays the command-line song one second after start
    QCheckBox* Check5;       ///< "Auto-Skip"
    ClickableLabel* Label25;  ///< "Info": the About window
    ClickableLabel* Label26;  ///< "File d'aiuto": the help text
    ClickableLabel* Label13;  ///< minimise, over the painted button
    std::array<QLabel*, 3> Label2{};  ///< the status display: heading, value, name
    LyricsWindow* lyricsWindow_;
    AboutWindow* about_;
    std::unique_ptr<SkinFace> face_;
    std::unique_ptr<SkinButtons> skinButtons_;
    std::unique_ptr<TitleDisplay> titles_;
    std::unique_ptr<StatusTimers> status_;
    std::unique_ptr<Transport> transport_;
    std::unique_ptr<LyricClock> clock_;
};

}  // namespace cantorino
