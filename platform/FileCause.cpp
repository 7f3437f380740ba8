#include "platform/FileCause.h"

std::string FileCause::Describe(int cause, const std::string& fileName) {
    std::string text;
    switch (cause) {
    case fileNotFound:
        text = "Soubor %s nebyl nalezen.";
        break;
    case badPath:
        text = "Cesta k souboru %s je neplatná.";
        break;
    case accessDenied:
        text = "Přístup k souboru %s byl odepřen.";
        break;
    case sharingViolation:
        text = "Soubor %s právě používá jiný program.";
        break;
    case diskFull:
        text = "Při zápisu souboru %s došlo místo na disku.";
        break;
    default:
        text = "Při práci se souborem %s došlo k chybě.";
        break;
    }
    return text.replace(text.find("%s"), 2, fileName);
}
