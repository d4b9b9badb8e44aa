#include "TitleDisplay.h"

#include <QFileInfo>
#include <QLabel>

#include "LyricBox.h"
#include "SongTitles.h"

namespace cantorino {

bool TitleDisplay::GetTitles(const QString& songPath) {
    const auto both = {controls_.Label10, controls_.LyricsLabel10};
    if (songPath.isEmpty()) {
        for (const auto& labels : both)
            for (QLabel* label : labels) label->clear();
        return true;
    }
    const auto titles = SongTitles::GetTitles(songPath.toStdString());
    for (const auto& labels : both) {
        for (size_t i = 0; i < labels.size(); ++i)
            labels[i]->setText(titles ? QString::fromStdString((*titles)[i]) : QString());
        if (!titles) {
            labels[0]->setText("Impossibile leggere il brano");
            labels[1]->setText(QFileInfo(songPath).fileName());
        } else if (labels[0]->text().trimmed().isEmpty()) {
            labels[0]->setText("Titles non disponibile");
        }
    }
    controls_.Picture4->Cls();
    controls_.LyricsPicture1->Cls();
    return titles.has_value();
}

}  // namespace cantorino
