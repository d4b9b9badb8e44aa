#include "MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include "AboutWindow.h"
#include "BeatIndicator.h"
#include "ClickableLabel.h"
#include "LyricBox.h"
#include "LyricClock.h"
#include "LyricsWindow.h"
#include "MidiService.h"
#include "SettingsAccess.h"
#include "ShapeWidget.h"
#include "StatusTimers.h"
#include "TitleDisplay.h"
#include "Transport.h"

namespace cantorino {
namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    return l;
}

}  // namespace

MainWindow::MainWindow(MidiService& service, const SettingsAccess& settings, CommandLine commandLine,
                       QWidget* parent)
    : QWidget(parent), service_(service), settings_(settings), commandLine_(std::move(commandLine)) {
    setObjectName("Form1");
    setWindowTitle("Cantorino");
    setFixedSize(kSize);
    createControls();
    titles_ = std::make_unique<TitleDisplay>(controls_);
    status_ = std::make_unique<StatusTimers>(model_, state_, controls_);
    TransportHooks hooks;
    hooks.Quit = [] { QApplication::exit(0); };
    transport_ = std::make_unique<Transport>(service_, model_, state_, controls_, settings_, std::move(hooks));
    clock_ = std::make_unique<LyricClock>(service_, model_, state_, controls_, *transport_, *status_,
                                          [this] { NextSong(); });
    createCommandButtons();
    wire();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    setStyleSheet("QWidget#Form1 { background: #1b232e; } QLabel { color: #d8e4f0; }"
                  "QCheckBox { color: #d8e4f0; }");
    controls_.window = this;
    controls_.Picture4 = new LyricBox(this);
    controls_.Picture4->setObjectName("Picture4");
    controls_.Picture4->setGeometry(58, 50, 649, 223);
    controls_.Shape1 = new ShapeWidget(14, QColor(255, 140, 0), controls_.Picture4);
    controls_.Shape1->setObjectName("Shape1");
    controls_.Shape1->move(0, StatusTimers::kBallLow);

    lyricsWindow_ = new LyricsWindow(controls_.Picture4, this);
    controls_.LyricsPicture1 = lyricsWindow_->Picture1();
    for (int i = 0; i < 3; ++i) {
        controls_.Label10[size_t(i)] = label(this, QString("Label10_%1").arg(i), {}, QRect(248, 471 + 17 * i, 322, 16));
        controls_.LyricsLabel10[size_t(i)] = lyricsWindow_->Label10(i);
    }
    controls_.LyricsLabel2_1 = lyricsWindow_->Label2_1();
    controls_.Label12 = label(this, "Label12", "Fermo", QRect(248, 534, 60, 14));
    controls_.Label5 = label(this, "Label5", "Durata", QRect(312, 534, 86, 14));
    controls_.Picture3 = new BeatIndicator(QImage(":/skin/Image4.png"), this);
    controls_.Picture3->setObjectName("Picture3");
    controls_.Picture3->setGeometry(404, 539, 64, 5);
    controls_.Label1 = label(this, "Label1", "1", QRect(472, 534, 10, 14));
    controls_.Label9 = label(this, "Label9", "0/0", QRect(486, 534, 40, 14));
    controls_.Label4 = label(this, "Label4", "00:00", QRect(246, 555, 54, 14));
    controls_.Label8 = label(this, "Label8", "0 %", QRect(528, 555, 46, 14));
    auto* knob = new QLabel(this);
    knob->setObjectName("Image3");
    knob->setGeometry(306, 554, 17, 13);
    knob->setStyleSheet("background: #ffd54a; border-radius: 3px;");
    knob->setEnabled(false);
    controls_.Image3 = knob;

    Check5 = new QCheckBox(this);
    Check5->setObjectName("Check5");
    Check5->setGeometry(448, 282, 16, 16);
    controls_.Check5 = Check5;
    label(this, "Label20", "Auto-Skip", QRect(466, 282, 70, 14));
    Label25 = new ClickableLabel("Info", this);
    Label25->setObjectName("Label25");
    Label25->setToolTip("Informazione");
    Label25->setGeometry(681, 12, 30, 14);
    const char* statusTexts[3] = {"Master", "00", "Volume"};
    const QPoint statusPlaces[3] = {{618, 315}, {717, 336}, {618, 339}};
    for (int i = 0; i < 3; ++i)
        Label2[size_t(i)] = label(this, QString("Label2_%1").arg(i), statusTexts[i], QRect(statusPlaces[i], QSize(100, 16)));

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1);
    controls_.Timer1 = Timer1;
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    controls_.Timer2 = Timer2;
    Timer4 = new QTimer(this);
    Timer4->setObjectName("Timer4");
    Timer4->setInterval(1000);
    Timer4->setSingleShot(true);
    about_ = new AboutWindow(this);
}

QPushButton* MainWindow::commandButton(const char* name, const QString& caption, void (MainWindow::*action)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->hide();  // pressed by the timers and the lyrics window's keys, never seen
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void MainWindow::createCommandButtons() {
    commandButton("Command11", "play", &MainWindow::command11);
    LyricsWindowKeys keys;
    keys.next = commandButton("Command13", "next", &MainWindow::command13);
    keys.previous = commandButton("Command14", "prev", &MainWindow::command14);
    keys.pause = commandButton("Command17", "paus", &MainWindow::command17);
    keys.play = commandButton("Command18", "play", &MainWindow::command18);
    keys.firstSong = commandButton("Command21", "inizio", &MainWindow::command21);
    keys.autoSkip = Check5;
    keys.showAbout = [this] { about_->showCredits(); };
    lyricsWindow_->setKeys(std::move(keys));
}

void MainWindow::wire() {
    connect(Timer1, &QTimer::timeout, this, [this] { clock_->Tick(); });
    connect(Timer2, &QTimer::timeout, this, [this] { status_->BounceBall(); });
    connect(Timer4, &QTimer::timeout, this, [this] { findChild<QPushButton*>("Command11")->click(); });
    connect(controls_.Picture4, &LyricBox::clicked, this, [this] {
        lyricsWindow_->show();
        lyricsWindow_->raise();
    });
    connect(Label25, &ClickableLabel::clicked, about_, &AboutWindow::showCredits);
}

void MainWindow::Form_Load() {
    lyricsWindow_->show();
    lyricsWindow_->hide();
    model_.LyricsWindowScale = double(controls_.LyricsPicture1->width()) / controls_.Picture4->width();
    if (!commandLine_.songPath.isEmpty()) {
        model_.SongPath = commandLine_.songPath.toStdString();
        titles_->GetTitles(commandLine_.songPath);
        Timer4->start();
    }
    LastSongFolder = QCoreApplication::applicationDirPath();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    controls_.Picture4->Cls();
    controls_.LyricsPicture1->Cls();
    SkinButtonsEnabled = true;
    state_.MidiLoader = service_.CreateLoader();
}

void MainWindow::selectSong(const QString& path) {
    transport_->StopMusic();
    model_.SongPath = path.toStdString();
    transport_->ZeroVariables();
    titles_->GetTitles(path);
    state_.SongOpen = 0;
}

void MainWindow::NextSong() { selectSong(QString::fromStdString(model_.SongPath)); }

void MainWindow::PreviousSong() { selectSong(QString::fromStdString(model_.SongPath)); }

void MainWindow::FirstList() {
    if (!commandLine_.CommandLineArg.isEmpty()) return;
    selectSong(QString::fromStdString(model_.SongPath));
}

void MainWindow::reportServiceProblems() {
    if (problemsReported_) return;
    const MidiServiceProblems problems = service_.Problems();
    QString text;
    if (problems.noSoundFont)
        text = "Nessun SoundFont General MIDI trovato: i brani suonano senza audio.";
    else if (problems.noAudioOutput)
        text = "Nessuna uscita audio trovata: i brani suonano senza audio.";
    if (text.isEmpty()) return;
    problemsReported_ = true;
    auto* box = new QMessageBox(QMessageBox::Warning, "Cantorino", text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void MainWindow::command11() {
    transport_->SeekStart();
    SkinButtonsEnabled = true;
    transport_->Play();
    reportServiceProblems();
}

void MainWindow::command13() {
    NextSong();
    transport_->Play();
}

void MainWindow::command14() {
    PreviousSong();
    transport_->Play();
}

void MainWindow::command17() { transport_->PauseMusic(); }

void MainWindow::command18() {
    transport_->Play();
    reportServiceProblems();
}

void MainWindow::command21() { FirstList(); }

}  // namespace cantorino
