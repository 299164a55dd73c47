#include "engine/Dienste.h"
#include "shell/HauptF.h"

void HauptF::InitZustand() {
    for (auto& p : Poly) p.emplace();
    BinKoeff = polynom::kBinomKoeff;
    PPP.emplace();
    for (auto& p : PP) p.emplace();
    Pg.emplace();
    Ph.emplace();
    PListe = {"0"};
}
