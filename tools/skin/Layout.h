#pragma once

#include <QPoint>
#include <QRect>

// Where everything sits on the 760 x 580 face (window pixels, QRect(x, y, w, h)).
// The hit maps, sprites, tab, marker track and the fixed label places follow the
// player's window geometry; the rest is this skin's own layout, and the main
// window places its controls on these frames:
//
//   title bar ........ (6,5) 748x28; caption "Cantorino" at x 38; "Info" pill
//                      (675,10) 40x18 for Label25 at (681,12); minimise (720,9) 31x19
//   lyric bezel ...... (53,45) 659x233 around Picture4 (58,50) 649x223
//   speaker grilles .. (14,52) 33x219 and (718,52) 33x219
//   help chip ........ (222,279) 96x19, Label26 at (240,282)
//   auto-skip chip ... (440,279) 96x19, Check5 at (448,282), Label20 at (466,282)
//   console .......... (6,304) 577x269 = Picture5, the playlist panel covers it
//   mixer strip i .... (15+35i,311) 33x148, i = 0..15, holding
//                        Label3(i)  (16+35i,313) 31x12
//                        Picture1(i) (16+35i,327) 31x96
//                        Check1(i)  (16+35i,426) 31x14
//                        Option1(i) (16+35i,442) 31x14
//   channel detail ... (10,466) 225x105: Label6 (18,472) 208x16; instrument well
//                      (16,499) 167x20 with Label7 (20,501) 140x16 and Label11
//                      (162,501) 19x16; octave well (16,523) 212x21 with Label17
//                      (20,526) and Option2(0..4) at x 78,108,138,168,198, y 525,
//                      28x17; Check4 (20,550) and Label18 (38,550)
//   title display .... (240,466) 338x86: Label10(0..2) at (248,471),(248,488),
//                      (248,505) 322x16; under the divider Label12 (248,534) 60x14,
//                      Label5 (312,534) 86x14, Picture3 (404,539) 64x5,
//                      Label1 (472,534) 10x14, Label9 (486,534) 40x14,
//                      Label14 (534,534) 38x14
//   progress row ..... Label4 (246,555) 54x14; groove 305..523, y 557..563;
//                      Image3 17x13 at top 554; Label8 (528,555) 46x14
//   right panel ...... (589,294) 166x280 with the preferences tab above it
//   status display ... (604,306) 146x54, black; Label2(0..2) at (618,315),
//                      (717,336), (618,339)
//   sliders .......... TransposeCtl (600,366) 112x24, VelocityCtl (600,394)
//                      112x24, BalanceCtl (600,422) 112x24, VolumeCtl (722,366) 28x80
//   song keys ........ well (602,450) 146x22 under the four 27x15 keys
//   transport ........ plate (599,484) 151x84 under the eight round buttons
//   preferences panel  Picture8 suggested over the console, (6,304) 577x269
namespace cantorino::skin {

inline constexpr QSize kFaceSize{760, 580};

inline constexpr QRect kTitleBar{6, 5, 748, 28};
inline constexpr QPoint kCaptionAt{38, 24};          ///< baseline start of "Cantorino"
inline constexpr QRect kTitleGlyph{15, 10, 18, 18};
inline constexpr QRect kInfoPill{675, 10, 40, 18};
inline constexpr QRect kMinimise{720, 9, 31, 19};

inline constexpr QRect kLyricBox{58, 50, 649, 223};
inline constexpr QRect kLyricBezel{53, 45, 659, 233};
inline constexpr QRect kLeftGrille{14, 52, 33, 219};
inline constexpr QRect kRightGrille{718, 52, 33, 219};

inline constexpr QRect kHelpChip{222, 279, 96, 19};
inline constexpr QRect kAutoSkipChip{440, 279, 96, 19};

inline constexpr QRect kConsole{6, 304, 577, 269};
inline constexpr int kStripCount = 16;
inline constexpr int kStripLeft = 15;
inline constexpr int kStripPitch = 35;
inline constexpr QRect kStrip{kStripLeft, 311, 33, 148};   ///< strip 0; the others shift by the pitch
inline constexpr QRect kStripNumber{16, 313, 31, 12};
inline constexpr QRect kStripSlider{16, 327, 31, 96};
inline constexpr QRect kStripCheck{16, 426, 31, 14};
inline constexpr QRect kStripOption{16, 442, 31, 14};

inline constexpr QRect kDetail{10, 466, 225, 105};
inline constexpr int kDetailRuleY = 493;
inline constexpr QRect kInstrumentWell{16, 499, 167, 20};
inline constexpr QRect kDropButton{162, 501, 19, 16};
inline constexpr QRect kOctaveWell{16, 523, 212, 21};

inline constexpr QRect kTitleDisplay{240, 466, 338, 86};
inline constexpr int kTitleDividerY = 527;
inline constexpr QRect kBeatSlot{402, 537, 68, 9};

inline constexpr int kTrackLeft = 305;
inline constexpr int kTrackRight = 523;
inline constexpr QRect kGroove{kTrackLeft, 557, kTrackRight - kTrackLeft, 6};
inline constexpr QSize kMarkerSize{17, 13};

inline constexpr QRect kRightPanel{589, 294, 166, 280};
inline constexpr QRect kStatusDisplay{604, 306, 146, 54};
inline constexpr QRect kTransposeCtl{600, 366, 112, 24};
inline constexpr QRect kVelocityCtl{600, 394, 112, 24};
inline constexpr QRect kBalanceCtl{600, 422, 112, 24};
inline constexpr QRect kVolumeCtl{722, 366, 28, 80};
inline constexpr QRect kSongWell{602, 450, 146, 22};
inline constexpr QRect kTransportPlate{599, 484, 151, 84};

inline constexpr QRect kTab{593, 278, 119, 16};

/// Origin of the transport sprites and hit map on the face.
inline constexpr QPoint kButtonSheetAt{599, 484};
inline constexpr QSize kButtonSheetSize{151, 84};
/// Origin of the song-button sprites and hit map on the face.
inline constexpr QPoint kSongSheetAt{605, 453};
inline constexpr QSize kSongSheetSize{140, 18};

inline constexpr int kButtonCell = 36;
inline constexpr int kButtonColumns[4] = {4, 40, 76, 112};  ///< sprite x of each column
inline constexpr int kButtonRows[2] = {3, 44};              ///< sprite y of each row
inline constexpr QSize kSongKey{27, 15};
inline constexpr int kSongKeyColumns[4] = {1, 30, 82, 111};
inline constexpr int kSongKeyRow = 1;

/// Cell of transport button `n` (1..8) in sprite coordinates.
constexpr QRect buttonCell(int n)
{
    return {kButtonColumns[(n - 1) % 4], kButtonRows[(n - 1) / 4], kButtonCell, kButtonCell};
}

/// Cell of song button `n` (9..12) in sprite coordinates.
constexpr QRect songKeyCell(int n)
{
    return {kSongKeyColumns[n - 9], kSongKeyRow, kSongKey.width(), kSongKey.height()};
}

/// Mixer strip frame `i` (0..15).
constexpr QRect strip(int i) { return kStrip.translated(i * kStripPitch, 0); }

}  // namespace cantorino::skin
