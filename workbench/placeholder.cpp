// Placeholder bodies until the workbench lands; the workbench replaces this file.
#include "framework/Graphics.h"
#include "shell/HauptF.h"

void HauptF::EingF_TextChange(TextField&) {}
void HauptF::QuitB_Action(PushButton&) {}
void HauptF::sstellen_TextChange(TextField&) {}
void HauptF::sstellen_Open(TextField&) {}
void HauptF::InterploierB_Action(PushButton&) {}
void HauptF::vonF_TextChange(TextField&) {}
void HauptF::bisF_TextChange(TextField&) {}
void HauptF::xXF_TextChange(TextField&) {}
void HauptF::WertB_Action(PushButton&) {}
void HauptF::RPfeilB_Action(PushButton&) {}
void HauptF::LPfeilB_Action(PushButton&) {}
void HauptF::PushButton1_Action(PushButton&) {}
void HauptF::IntegralB_Action(PushButton&) {}
void HauptF::gfB_Action(PushButton&) {}
void HauptF::gplusfB_Action(PushButton&) {}
void HauptF::gmalfB_Action(PushButton&) {}
void HauptF::g_AnzB_Action(PushButton&) {}
void HauptF::RZeigB_Action(PushButton&) {}
void HauptF::AufAbPfeil_Down(UpDownArrows&) {}
void HauptF::AufAbPfeil_Up(UpDownArrows&) {}
void HauptF::gminusfB_Action(PushButton&) {}
void HauptF::gmalhB_Action(PushButton&) {}
void HauptF::ghB1_Action(PushButton&) {}
void HauptF::RNextB1_Action(PushButton&) {}
void HauptF::GraphCanvas_Paint(Canvas&, Graphics&, const std::vector<Rect>&) {}
void HauptF::QuitB11_Action(PushButton&) {}
void HauptF::StellenWahlB_TextChanged(ComboBox&) {}
void HauptF::QuitB111_Action(PushButton&) {}
void HauptF::RinglisteB_TextChanged(ComboBox&) {}
void HauptF::gfB1_Action(PushButton&) {}
void HauptF::VerschiebeB_Action(PushButton&) {}
void HauptF::xVF_TextChange(TextField&) {}
void HauptF::yVF_TextChange(TextField&) {}
void HauptF::Botschaft() {}
std::string HauptF::Zahlfeldausgabe(const std::vector<double>&) { return {}; }
void HauptF::Interpolieren() {}
void HauptF::TabFill() {}
void HauptF::TabLeer() {}
void HauptF::WerteEintragen() {}
void HauptF::AlleWerteBerechnen() {}
void HauptF::Init() {}
void HauptF::Polynomauswertung() {}
bool HauptF::IstSchonImRing(const std::string&) { return false; }
void HauptF::Ringkontrolle() {}
void HauptF::Zeichnef(Graphics&) {}
std::int32_t HauptF::ListBotschaft(std::int32_t) { return 0; }
void HauptF::fInPListeEinfuegen(const std::string&) {}
void HauptF::PLaden() {}
void HauptF::PSpeichern() {}
void HauptF::Verschieben() {}
