#pragma once

// The fixed places of the icons in the two icon lists the trees share. The engine stores
// the place in each node, and other windows look the icon up by it, so the numbers never
// change.
namespace IkonPlads {

// The folder tree's list.
enum Dir : int {
    DrevC = 1,
    Drev = 2,
    Mappe = 3,
    Billeder = 5,
    Dokumenter = 6,
    Musik = 7,
    Videoer = 8,
    Skrivebord = 9,
    Favoritter = 10,
    Bruger = 11,
    CdRom = 12,
    AntalDir = 13
};

// The file pane's list.
enum Fil : int {
    FilMappe = 1,
    AndenFil = 2,
    Billede = 3,
    Mp3 = 4,
    Mp4 = 5,
    Tekst = 6,
    Exe = 7,
    M4v = 8,
    Avi = 9,
    M4a = 10,
    Genvej = 11,
    Mpg = 12,
    Wav = 13,
    Iss = 14,
    Fund = 15, // a search hit, or a file of a highlighted type
    FundMappe = 16,
    FundRod = 17,
    Pas = 18,
    Rtf = 20,
    Vbs = 21,
    Js = 22,
    Html = 23,
    Css = 24,
    Bat = 25,
    Ps1 = 26,
    AntalFil = 27
};

} // namespace IkonPlads
