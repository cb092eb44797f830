// `zev deliver` over the demonstration school: refused with status 1 while there
// are findings, written with --force, and its call.
#include "control/delivery.h"
#include "storage/settings_file.h"
#include "support/cli_run.h"
#include "support/scripted_messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zev {
namespace {

TEST(DeliverCommand, RefusesWhileThereAreFindingsAndWritesWithForce) {
    test::TempOrdner home, aus;
    for (const auto& x : std::filesystem::directory_iterator(ZEV_CATALOGUE_DIR))
        std::filesystem::copy(x.path(), home.Pfad());
    TEinstellungen e;
    EinstellungenStandard(e, home.Pfad());
    e.Schulnummer = "12345";
    e.Berichtsjahr = "2025";
    test::SkriptMeldungen m;
    ASSERT_TRUE(EinstellungenSchreiben(e, home.Pfad(), m));
    ASSERT_EQ(test::ZevLauf({"demo"}, home.Pfad()).status, 0);

    const std::string bericht = "Schulnummer: 12345   Berichtsjahr: 2025   Datum: ";
    test::Lauf l = test::ZevLauf({"deliver", aus.Pfad()}, home.Pfad());
    EXPECT_EQ(l.status, 1);
    EXPECT_TRUE(l.out.starts_with(bericht)) << l.out;
    EXPECT_EQ(l.err, "Die Prüfung der Lieferung fand 14 Warnung(en) und 3 Fehler an oder über den Alarmschwellen.\n"
                     "Es wurde KEINE Lieferung geschrieben.\n--force schreibt sie trotzdem.\n");
    EXPECT_EQ(test::Inhalt(aus.Pfad()), std::vector<std::string>{});

    l = test::ZevLauf({"deliver", "--force", aus.Pfad()}, home.Pfad());
    EXPECT_EQ(l.status, 1); // written, but the findings remain
    EXPECT_EQ(l.err, "");
    const std::string ordner = aus.Pfad() + LieferOrdnerName("12345", Heute());
    EXPECT_TRUE(l.out.starts_with("Die Lieferung wurde geschrieben in den Ordner:\n" + ordner + "\n\n" + bericht))
        << l.out;
    EXPECT_EQ(test::Inhalt(ordner).size(), 7u);

    EXPECT_EQ(test::ZevLauf({"deliver", "a", "b"}, home.Pfad()).status, 2);
    EXPECT_EQ(test::ZevLauf({"deliver", "--schnell"}, home.Pfad()).err,
              "Aufruf: zev [--home ORDNER] deliver [ORDNER] [--force]\n");
}

} // namespace
} // namespace zev
