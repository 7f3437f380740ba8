#pragma once
// Every message box text of kvizar.exe, in one place: the windows take their texts from here, and
// the tests render the whole list with fixed samples, which the guide (docs/navod/) quotes.
// Portable, no Win32. The texts are program text (Windows-1250 in the Windows build, UTF-8 in the
// native one, as each compiles narrow literals), but for the two of the Windows-1250 check, which
// the converter shares and which are therefore u8 literals, UTF-8 in both builds.
// The judging texts of the quiz stand in run/Scoring.h, the table the web page reads too.

struct ProgramMessage {
    // What the text's %d or %s stands for: for the misfits, one character or a list of them.
    enum Sample { none, questionLimit, testName, filePath, character, characters };
    const char* text;
    Sample sample;
};

class ProgramMessages {
public:
    // The name dialog of a new test (CNewTestDlg) and its number field.
    static constexpr ProgramMessage kNoTestName = {"Musíte zadat název testu!", ProgramMessage::none};
    static constexpr ProgramMessage kUnusableTestName = {"Tento název testu nelze použít jako název souboru!",
                                                         ProgramMessage::none};
    static constexpr ProgramMessage kTooFewQuestions = {"Počet otázek musí být větší než nula!",
                                                        ProgramMessage::none};
    static constexpr ProgramMessage kTooManyQuestions = {"Počet otázek nesmí být větší než %d!",
                                                         ProgramMessage::questionLimit};
    static constexpr ProgramMessage kTestExists = {"Test s tímto jménem už existuje!", ProgramMessage::none};
    static constexpr ProgramMessage kNotANumber = {"Zadejte celé číslo.", ProgramMessage::none};

    // A text that Windows-1250 cannot hold, in a sheet or the name dialog: "%s" names the
    // characters, each as „π“ (U+03C0), several joined by ", " and " a ".
    static constexpr ProgramMessage kOneMisfit = {
        u8"Znak %s nelze do testu uložit, protože jej kódování Windows-1250 neobsahuje. "
        u8"Nahraďte jej prosím jiným znakem.",
        ProgramMessage::character};
    static constexpr ProgramMessage kSeveralMisfits = {
        u8"Znaky %s nelze do testu uložit, protože je kódování Windows-1250 neobsahuje. "
        u8"Nahraďte je prosím jinými znaky.",
        ProgramMessage::characters};

    // Leaving a question sheet with "Storno", and what a finished one says.
    static constexpr ProgramMessage kCancelCreating = {"Opravdu chcete ukončit tvorbu testu?",
                                                       ProgramMessage::none};
    static constexpr ProgramMessage kCancelEditing = {"Opravdu chcete ukončit editaci testu?",
                                                      ProgramMessage::none};
    static constexpr ProgramMessage kCreated = {"Test byl úspěšně vytvořen!", ProgramMessage::none};
    static constexpr ProgramMessage kSaved = {"Test byl uložen!", ProgramMessage::none};

    // The pickers, loading a test and leaving the quiz.
    static constexpr ProgramMessage kNoTestFound = {"Nebyl nalezen žádný dostupný test!",
                                                    ProgramMessage::none};
    static constexpr ProgramMessage kTestTooLarge = {"Test \"%s\" je příliš velký a nelze jej otevřít.",
                                                     ProgramMessage::testName};
    static constexpr ProgramMessage kTestDamaged = {"Test \"%s\" je poškozený a nelze jej otevřít.",
                                                    ProgramMessage::testName};
    static constexpr ProgramMessage kCancelRun = {"Opravdu chcete test ukončit?", ProgramMessage::none};

    // A file that cannot be read or written, by its cause (FileCause); the converter says the same.
    static constexpr ProgramMessage kFileNotFound = {"Soubor %s nebyl nalezen.", ProgramMessage::filePath};
    static constexpr ProgramMessage kBadPath = {"Cesta k souboru %s je neplatná.", ProgramMessage::filePath};
    static constexpr ProgramMessage kAccessDenied = {"Přístup k souboru %s byl odepřen.",
                                                     ProgramMessage::filePath};
    static constexpr ProgramMessage kSharingViolation = {"Soubor %s právě používá jiný program.",
                                                         ProgramMessage::filePath};
    static constexpr ProgramMessage kDiskFull = {"Při zápisu souboru %s došlo místo na disku.",
                                                 ProgramMessage::filePath};
    static constexpr ProgramMessage kFileError = {"Při práci se souborem %s došlo k chybě.",
                                                  ProgramMessage::filePath};

    // Whatever else escapes a command.
    static constexpr ProgramMessage kOutOfMemory = {"Nedostatek paměti. Operace byla ukončena.",
                                                    ProgramMessage::none};
    static constexpr ProgramMessage kUnexpectedError = {"Došlo k neočekávané chybě. Operace byla ukončena.",
                                                        ProgramMessage::none};

    // Every message above, in their order.
    static constexpr const ProgramMessage* kAll[] = {
        &kNoTestName,     &kUnusableTestName, &kTooFewQuestions, &kTooManyQuestions,
        &kTestExists,     &kNotANumber,       &kOneMisfit,       &kSeveralMisfits,
        &kCancelCreating, &kCancelEditing,    &kCreated,         &kSaved,
        &kNoTestFound,    &kTestTooLarge,     &kTestDamaged,     &kCancelRun,
        &kFileNotFound,   &kBadPath,          &kAccessDenied,    &kSharingViolation,
        &kDiskFull,       &kFileError,        &kOutOfMemory,     &kUnexpectedError,
    };
};
