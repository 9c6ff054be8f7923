// The main window's form as it should be: its 46 items in template order, and the order in
// which the Tab key visits the inputs.
#pragma once

#include <windows.h>

#include <array>

struct FormItem {
    WORD classOrdinal; // 0x80 button, 0x81 edit, 0x82 static
    int id;            // -1: no code addresses it
    const wchar_t* text;
    short x, y, cx, cy; // dialog units
    DWORD style;
    DWORD exStyle;
};

inline constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82;

namespace item_style {
inline constexpr DWORD kDigitsInput = 0x50812080;
inline constexpr DWORD kInput = 0x50810080;
inline constexpr DWORD kOutput = 0x58010080;
inline constexpr DWORD kBorderedOutput = 0x58810080;
inline constexpr DWORD kDefaultButton = 0x50010001;
inline constexpr DWORD kHiddenButton = 0x40010000;
inline constexpr DWORD kGroupBox = 0x50000007;
inline constexpr DWORD kRightLabel = 0x50020002;
inline constexpr DWORD kLeftLabel = 0x50020000;
} // namespace item_style

inline constexpr const wchar_t* kExplanatoryText =
    L"Pour le ciel profond, on considère que l'on doit avoir un échantillonnage compris entre "
    L"1.5\" et 2.5\". Pour le planétaire, il doit valoir entre 0.7\" et 0.3\". ";

inline const std::array<FormItem, 46>& MainFormItems() {
    using namespace item_style;
    constexpr DWORD kStaticEdge = WS_EX_STATICEDGE;
    static const std::array<FormItem, 46> items{{
        {kEdit, 1001, L"", 101, 19, 33, 12, kDigitsInput, 0},
        {kEdit, 1000, L"", 101, 33, 33, 12, kDigitsInput, 0},
        {kEdit, 1003, L"", 101, 47, 33, 12, kInput, 0},
        {kEdit, 1002, L"", 101, 62, 33, 12, kInput, 0},
        {kEdit, 1004, L"", 239, 18, 54, 14, kInput, 0},
        {kEdit, 1005, L"", 239, 34, 54, 14, kInput, 0},
        {kEdit, 1014, L"", 105, 218, 27, 12, kInput, 0},
        {kEdit, 1015, L"", 105, 235, 28, 12, kInput, 0},
        {kButton, 1, L"Sortie", 137, 259, 50, 14, kDefaultButton, 0},
        {kEdit, 1007, L"", 85, 105, 49, 12, kOutput, kStaticEdge},
        {kEdit, 1008, L"", 85, 118, 49, 12, kOutput, kStaticEdge},
        {kEdit, 1009, L"", 240, 105, 49, 12, kOutput, kStaticEdge},
        {kEdit, 1010, L"", 240, 118, 49, 12, kOutput, kStaticEdge},
        {kEdit, 1011, L"", 85, 158, 49, 12, kOutput, kStaticEdge},
        {kEdit, 1012, L"", 227, 158, 49, 12, kOutput, kStaticEdge},
        {kButton, 2, L"Annuler", 250, 218, 50, 14, kHiddenButton, 0},
        {kButton, -1, L"Caractéristiques du capteur CCD", 7, 1, 148, 89, kGroupBox, 0},
        {kStatic, -1, L"Longueur en pixels", 29, 22, 63, 10, kRightLabel, 0},
        {kStatic, -1, L"Largeur en pixels", 38, 34, 54, 8, kRightLabel, 0},
        {kStatic, -1, L"Largeur du pixel (en µm)", 13, 63, 80, 8, kRightLabel, 0},
        {kStatic, -1, L"Longueur du pixel (en µm)", 13, 47, 81, 11, kRightLabel, 0},
        {kButton, -1, L"Champ au foyer", 7, 94, 150, 43, kGroupBox, 0},
        {kStatic, -1, L"Champ en longueur", 11, 105, 64, 12, kRightLabel, 0},
        {kStatic, -1, L"Champ en largeur", 13, 118, 62, 12, kRightLabel, 0},
        {kButton, -1, L"Télescope", 179, 1, 134, 89, kGroupBox, 0},
        {kStatic, -1, L"Diamètre (mm)", 185, 22, 48, 11, kRightLabel, 0},
        {kStatic, -1, L"Focale (mm)", 189, 35, 49, 10, kLeftLabel, 0},
        {kButton, -1, L"Echantillonnage", 179, 94, 134, 43, kGroupBox, 0},
        {kStatic, -1, L"En longueur", 195, 105, 39, 12, kLeftLabel, 0},
        {kStatic, -1, L"En largeur", 196, 118, 33, 12, kLeftLabel, 0},
        {kButton, -1, L"Focale idéale", 7, 142, 306, 63, kGroupBox, 0},
        {kStatic, -1, L"Pour le ciel profond             (en mm)", 15, 154, 66, 18, kLeftLabel, 0},
        {kStatic, -1, L"Pour le planétaire          (en mm)", 164, 154, 58, 19, kLeftLabel, 0},
        {kStatic, -1, kExplanatoryText, 14, 177, 293, 17, kLeftLabel, 0},
        {kStatic, -1, L"Ouverture", 191, 51, 37, 12, kLeftLabel, 0},
        {kEdit, 1006, L"", 239, 51, 54, 12, kOutput, kStaticEdge},
        {kStatic, -1, L"Pouvoir séparateur", 189, 65, 47, 17, kLeftLabel, 0},
        {kEdit, 1013, L"", 239, 68, 54, 13, kOutput, kStaticEdge},
        {kButton, -1, L"Dimension en pixel d'un objet", 7, 206, 306, 52, kGroupBox, 0},
        {kStatic, -1, L"Longueur en minutes d'arc", 13, 220, 87, 10, kLeftLabel, 0},
        {kStatic, -1, L"Largueur en minutes d'arc", 13, 234, 83, 13, kLeftLabel, 0},
        {kStatic, -1, L"Résultat en pixels", 151, 222, 58, 9, kLeftLabel, 0},
        {kStatic, -1, L"Résultat en pixels", 151, 236, 56, 9, kLeftLabel, 0},
        {kEdit, 1016, L"", 214, 220, 28, 12, kBorderedOutput, 0},
        {kEdit, 1017, L"", 214, 235, 28, 13, kBorderedOutput, 0},
        {kStatic, 1018, L"Nouvelle mise à jour ? Cliquez là !", 201, 260, 109, 10, kLeftLabel, 0},
    }};
    return items;
}

// From 1001, Tab visits these and comes back to 1001.
inline constexpr std::array<int, 9> kTabOrder{1000, 1003, 1002, 1004, 1005, 1014, 1015, IDOK, 1001};
