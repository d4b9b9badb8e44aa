#include "MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <QWindow>

#include "AboutWindow.h"
#include "BeatIndicator.h"
#include "ClickableLabel.h"
#include "LyricBox.h"
#include "LyricClock.h"
#include "LyricsWindow.h"
#include "MidiService.h"
#include "SettingsAccess.h"
#include "ProgressMarker.h"
#include "ShapeWidget.h"
#include "SkinButtons.h"
#include "SkinFace.h"
#include "StatusTimers.h"
#include "TitleDisplay.h"
#include "Transport.h"

// The skin's pictures are compiled into this library; a static library must ask for them.
static void initSkinResources() {
    Q_INIT_RESOURCE(skin);
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(demo);
}

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
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), service_(service), settings_(settings),
      commandLine_(std::move(commandLine)) {
    initSkinResources();
    setObjectName("Form1");
    setWindowTitle("Cantorino");
    setWindowIcon(QIcon(":/icons/cantorino.png"));
    setFixedSize(kSize);
    setMouseTracking(true);
    face_ = std::make_unique<SkinFace>();
    createControls();
    titles_ = std::make_unique<TitleDisplay>(controls_);
    status_ = std::make_unique<StatusTimers>(model_, state_, controls_);
    TransportHooks hooks;
    hooks.Quit = [] { QApplication::exit(0); };
    hooks.SongOpened = [this] { reportServiceProblems(); };
    transport_ = std::make_unique<Transport>(service_, model_, state_, controls_, settings_, std::move(hooks));
    clock_ = std::make_unique<LyricClock>(service_, model_, state_, controls_, *transport_, *status_,
                                          [this] { NextSong(); });
    createCommandButtons();
    createSkinControls();
    wire();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    // Only the window's own labels: dialogs opened over it keep the desktop's look.
    setStyleSheet("#Form1 > QLabel { color: #cfe3f7; font-family: 'Liberation Sans'; font-size: 8pt; }"
                  "#Form1 > QLabel#Label10_0 { color: #ffd54a; font-weight: bold; font-size: 9pt; }"
                  "#Form1 > QLabel#Label2_1 { color: #7cf5a8; font-weight: bold; font-size: 11pt; }"
                  "#Form1 > QLabel#Label2_0, #Form1 > QLabel#Label2_2 { color: #7cc8f5; }"
                  "#Form1 > QLabel#Label25, #Form1 > QLabel#Label26, #Form1 > QLabel#Label20 { color: #9fc3e6; }"
                  "QCheckBox#Check5::indicator { width: 11px; height: 11px; border: 1px solid #4ccdf7;"
                  " border-radius: 2px; background: #0b0f16; }"
                  "QCheckBox#Check5::indicator:checked { background: #4ccdf7; }");
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
    auto* knob = new ProgressMarker(QPixmap(":/skin/Image3.png"), this);
    knob->setObjectName("Image3");
    knob->setGeometry(306, 554, 17, 13);
    knob->setEnabled(false);
    controls_.Image3 = knob;

    Check5 = new QCheckBox(this);
    Check5->setObjectName("Check5");
    Check5->setGeometry(448, 282, 16, 16);
    controls_.Check5 = Check5;
    label(this, "Label20", "Auto-Skip", QRect(466, 282, 70, 14));
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

void MainWindow::createSkinControls() {
    Label25 = new ClickableLabel("Info", this);
    Label25->setObjectName("Label25");
    Label25->setToolTip("Informazione");
    Label25->setGeometry(681, 12, 30, 14);
    Label25->setAlignment(Qt::AlignCenter);
    Label26 = new ClickableLabel("File d'aiuto", this);
    Label26->setObjectName("Label26");
    Label26->setToolTip("Clicca per il file d'aiuto");
    Label26->setGeometry(240, 282, 72, 14);
    Label13 = new ClickableLabel({}, this);
    Label13->setObjectName("Label13");
    Label13->setGeometry(720, 9, 31, 19);

    SkinActions actions;
    actions.PreviousSong = [this] { PreviousSong(); };
    actions.FirstList = [this] { FirstList(); };
    actions.NextSong = [this] { NextSong(); };
    actions.startWindowMove = [this] {
        // Without a window manager that moves windows, follow the pointer ourselves.
        if (!windowHandle() || !windowHandle()->startSystemMove()) move(QCursor::pos() - dragOffset_);
    };
    actions.repaintFace = [this] { update(); };
    skinButtons_ = std::make_unique<SkinButtons>(*face_, service_, model_, state_, controls_, *transport_, Label2[1],
                                                 Label2[2], SkinButtonsEnabled, std::move(actions));
    auto* marker = static_cast<ProgressMarker*>(controls_.Image3);
    connect(marker, &ProgressMarker::pressed, this, [this](QPoint p) { skinButtons_->MarkerPress(p); });
    connect(marker, &ProgressMarker::moved, this,
            [this](QPoint p, Qt::MouseButtons b) { skinButtons_->MarkerMove(p, b); });
    connect(marker, &ProgressMarker::released, this, [this] { skinButtons_->MarkerRelease(); });
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, face_->image());
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    dragOffset_ = event->globalPosition().toPoint() - pos();
    skinButtons_->Press(event->position().toPoint(), event->button());
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    skinButtons_->Release(event->position().toPoint(), event->button());
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    skinButtons_->Move(event->position().toPoint(), event->buttons());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closed by the desktop rather than the exit button: the other windows go with it.
    lyricsWindow_->close();
    about_->close();
    QWidget::closeEvent(event);
}

void MainWindow::openHelp() {
    // The help text is looked for in the current folder first, then beside the program
    // and where it is installed.
    const QStringList places = {QDir::currentPath(), QCoreApplication::applicationDirPath(),
                                QCoreApplication::applicationDirPath() + "/../share/cantorino"};
    for (const QString& folder : places) {
        const QString path = QDir(folder).filePath("Cantorino.txt");
        if (QFile::exists(path)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(path));
            return;
        }
    }
    showNotice("File d'aiuto non trovato: Cantorino.txt");
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
    connect(Label26, &ClickableLabel::clicked, this, &MainWindow::openHelp);
    connect(Label13, &ClickableLabel::clicked, this, &QWidget::showMinimized);
}

void MainWindow::Form_Load() {
    lyricsWindow_->show();
    lyricsWindow_->hide();
    model_.LyricsWindowScale = double(controls_.LyricsPicture1->width()) / controls_.Picture4->width();
    if (!commandLine_.songPath.isEmpty()) {
        model_.SongPath = commandLine_.songPath.toStdString();
        titles_->GetTitles(commandLine_.songPath);
        Timer4->start();
    } else {
        selectDemoSong();
    }
    LastSongFolder = QCoreApplication::applicationDirPath();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    controls_.Picture4->Cls();
    controls_.LyricsPicture1->Cls();
    SkinButtonsEnabled = true;
    state_.MidiLoader = service_.CreateLoader();
}

void MainWindow::selectDemoSong() {
    // The demo song travels inside the program; the MIDI service reads songs from files.
    const QString path = QDir(QString::fromStdString(SettingsAccess::GetTempFolder())).filePath("cantorino-demo.kar");
    QFile::remove(path);
    if (!QFile::copy(":/demo/fra_martino.kar", path)) return;
    model_.SongPath = path.toStdString();
    titles_->GetTitles(path);
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
    showNotice(text);
}

void MainWindow::showNotice(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Cantorino", text, QMessageBox::Ok, this);
    box->setObjectName("Notice");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void MainWindow::command11() {
    transport_->SeekStart();
    SkinButtonsEnabled = true;
    transport_->Play();
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
}

void MainWindow::command21() { FirstList(); }

}  // namespace cantorino
