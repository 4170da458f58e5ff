#include "notes/CodigosPaginaRtf.h"

#include "shell/TextoAnsi.h"

#include <algorithm>

const QList<int>& CodigosPaginaRtf() {
    static const QList<int> lista = {437,  737,  775,  850,  852,  855,  857,  860,  861,  862,  863,
                                     864,  865,  866,  869,  874,  932,  936,  949,  950,  1250, 1251,
                                     1252, 1253, 1254, 1255, 1256, 1257, 1258, 1361, 10000};
    return lista;
}

bool CodigoPaginaAdmitido(int cp) {
    const QList<int>& lista = CodigosPaginaRtf();
    return std::find(lista.begin(), lista.end(), cp) != lista.end();
}

bool EsPaginaDobleByte(int cp) {
    return cp == 932 || cp == 936 || cp == 949 || cp == 950 || cp == 1361;
}

bool EsPrimerByte(int cp, unsigned char b) {
    switch (cp) {
    case 932:
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 1361:
        return (b >= 0x84 && b <= 0xD3) || (b >= 0xD8 && b <= 0xDE) || (b >= 0xE0 && b <= 0xF9);
    default:
        return b >= 0x81 && b <= 0xFE;
    }
}

int CodigoDeCharset(int charset) {
    switch (charset) {
    case 2:
        return kCodigoSimbolo;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
    case 255:
        return 437;
    default:
        return 0;
    }
}

const std::array<char16_t, 256>& TablaBytes(int cp) {
    static const std::array<char16_t, 256> simbolo = [] {
        std::array<char16_t, 256> t;
        for (int i = 0; i < 256; ++i)
            t[i] = char16_t(i);
        return t;
    }();
    if (cp == kCodigoSimbolo)
        return simbolo;
    if (const auto* tabla = TablaCodigoPagina(cp))
        return *tabla;
    const auto* ansi = TablaCodigoPagina(1252);
    return ansi ? *ansi : simbolo;
}
