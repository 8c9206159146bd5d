#pragma once
// What the screens share for the whole run: the game folder, the background
// picture, the named icons of the mark-up and the seven sounds.
#include <QHash>
#include <QPixmap>
#include <QString>
#include <memory>

class QSoundEffect;

namespace quintaro {

class Recursos {
public:
    static Recursos& instancia();

    // Loads the pictures and sounds of a game folder; missing files are skipped.
    void carrega(const QString& pastajogo);
    const QString& pasta() const { return pasta_; }

    // img/f01.jpg, tiled by most screens; null when the file is missing.
    const QPixmap& fundo() const { return fundo_; }
    // img/f02.bmp, the editor's and the initialization window's background.
    const QPixmap& fundoeditor() const { return fundoeditor_; }
    // The start picture.
    const QPixmap& inicio() const { return inicio_; }
    // Icons named in the mark-up (i_gol, i_golv, i_ca, i_cv, i_cacv, i_ct, i_sub, ...).
    QPixmap icone(const QString& nome);

    // Sounds by alias: gol, goladv, fimjogo, penalty, contusao, intervalo, expulsao.
    // Silent when the switch is off or the file was missing.
    void tocasom(const QString& alias);
    void ligasom(bool ligado) { somligado_ = ligado; }
    bool somligado() const { return somligado_; }
    bool temsom(const QString& alias) const { return sons_.contains(alias); }

private:
    Recursos() = default;
    QString pasta_;
    QPixmap fundo_, fundoeditor_, inicio_;
    QHash<QString, QPixmap> icones_;
    QHash<QString, QSoundEffect*> sons_;
    bool somligado_ = true;
};

} // namespace quintaro
