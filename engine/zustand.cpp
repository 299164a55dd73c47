#include "shell/HauptF.h"

void HauptF::InitZustand() {
    for (auto& p : Poly) p.emplace();
    for (int i = 0; i <= 9; ++i) {
        BinKoeff[i][0] = 1;
        BinKoeff[i][i] = 1;
    }
    for (int i = 1; i <= 9; ++i)
        for (int j = 1; j <= i; ++j) BinKoeff[i][j] = BinKoeff[i - 1][j - 1] + BinKoeff[i - 1][j];
    PPP.emplace();
    for (auto& p : PP) p.emplace();
    Pg.emplace();
    Ph.emplace();
    PListe = {"0"};
}
