#include "emoticons/emo_catalogue.h"

#include "core/config.h"
#include "slv_defaults.h"

#include <array>

namespace slv::emoticons {
namespace {

// EMO TRAY: the n-th name is image number n of its folder.
constexpr std::array<std::string_view, 51> kEmoTray{
  "Angelo", "Contrario", "Pallacanestro", "Ridere a crepapelle", "Boccaccia", "Bleah", "Leggere",
  "Lui al cellulare", "Applauso", "Cotton Fiock", "Allucinato", "Cucinare", "Favorevole",
  "Innamorati", "Piangere", "Diavolo", "Svenimento", "Abbuffarsi", "C'è mancato poco",
  "Combattimento", "Omaggio Floreale", "Lei al cellulare", "Ghiacciato", "Orticaria", "Sincope",
  "Regalo", "Ginnastica", "Afa", "Ipnosi", "Gongolarsi", "Karate", "Bacio", "Mi fai ridere",
  "Innamorato", "Soldato", "Guadagni in vista", "Ascoltare musica", "Oh mio Dio !", "No",
  "Infermiera", "Masochista", "Acido", "Sci", "Dormire", "Fumare", "Calcio", "Chirurgo", "Digitare",
  "Che cosa ?!?", "Preoccupato", "Si",
};

// PTO INFORM: the n-th name is image number n of its folder.
constexpr std::array<std::string_view, 36> kPtoInform{
  "sorriso", "spavento", "occhiolino", "stupito", "linguetta", "preoccupato", "arrabbiato",
  "confuso", "imbarazzato", "triste", "disperato", "allibito", "cool", "angelo", "anonimo",
  "diavoletto", "fantasmino", "professore", "idea", "I love Amiga", "I love Apple", "I love Atari",
  "I love C64", "I love Linux", "I love Windows", "che significa ?", "annoiato", "cuore infranto",
  "pirata", "robot", "contentissimo", "troll 1", "troll 2", "troll 3", "troll 4", "troll 5",
};

// TWEEDO: the n-th name is image number n of its folder.
constexpr std::array<std::string_view, 86> kTweedo{
  "gruppetto", "risata", "bacio blu", "maledizione !", "gasp !", "sorriso", "violinista",
  "applauso", "balletto", "acc...", "sbavare", "eh ?", "non mi interessa", "bugiardo", "no no no",
  "per favore", "sshssssst !", "preoccupato", "malato", "zittito", "non parlo più", "pensieroso",
  "sono bloccato", "fischiettando", "cannonate", "sparare sale", "granate", "combattimento",
  "fucile al laser", "bazooka", "cecchino", "sigaro", "gh gh gh", "ciaooo", "nascondersi",
  "freccetta", "serial killer", "sorrisone", "tiè", "confuso", "cool", "eeeeeehk ?", "diavolo",
  "esclamazione", "rintronato", "fottiti", "idea", "sete", "orso", "mmmmmh", "chitarrista",
  "eh eh eh", "pazzo", "diavoletto", "risata verde", "neutrale", "vomito", "consolare", "pallone",
  "ubriachi", "domanda", "linguetta", "emozione", "occhi al cielo", "triste", "contento",
  "sorpreso", "batticuore", "rapimento", "marjiuana", "occhiolino", "strizza l'occhio",
  "guardarsi attorno", "adorazione", "piangere", "canto", "stranito", "caricaaaaaa", "scalata",
  "sega a motore", "arrivano i nostri !", "assassinio", "già già", "mitra", "du da da dum",
  "peso della cultura",
};

// YAHOO: the n-th name is image number n of its folder.
constexpr std::array<std::string_view, 88> kYahoo{
  "sorridente", "triste", "occhiolino", "sorrisone", "flirting", "abbraccio", "confuso",
  "innamorato", "emozionato", "linguetta", "bacio", "cuore spezzato", "sorpreso", "arrabbiato",
  "compiaciuto", "cool", "preoccupato", "whew !", "risata satanica", "disperato", "risata",
  "indifferente", "perplesso", "a crepapelle", "angelo", "secchione", "non mi interessa",
  "addormentato", "occhi al cielo", "perdente", "schifoso", "segreto", "non ti parlo più", "clown",
  "drogato", "festa", "sbadiglio", "sbavo per te", "meditabondo", "oh mio Dio", "applauso",
  "spaventato", "allucinato", "bugiardo", "sto aspettando", "sospiro", "linguaccia", "cow boy",
  "maialino", "mucca", "scimmia", "gallina", "rosa", "quadrifoglio", "bandiera USA", "zucca",
  "caffè", "idea", "teschio", "alieno", "alien", "frustrato", "supplichevole", "soldi soldi !",
  "fischiettando", "sottosopra", "pace", "vergogna", "balletto", "fatti avanti !", "hi hi hi",
  "hiro", "billy", "april", "yin yang", "bla bla bla", "adorazione", "non ci credo", "stellina",
  "sono al telefono", "chiamami !", "nevrotico", "onda", "tempo !", "sognatore", "non lo so",
  "non ti sento", "cucciolo",
};

} // namespace

std::string_view setCaption(int set) {
  static constexpr std::array<std::string_view, kSetCount> captions{"EMO TRAY", "PTO INFORM", "TWEEDO",
                                                                    "YAHOO", "PERSONALI"};
  return set >= 0 && set < kSetCount ? captions[static_cast<std::size_t>(set)] : std::string_view();
}

std::string_view setFolder(int set) {
  switch (set) {
  case 0: return "EmoTray/";
  case 1: return "PtoInformatico/";
  case 2: return "Tweedo/";
  case 3: return "Yahoo/";
  default: return {};
  }
}

std::span<const std::string_view> setNames(int set) {
  switch (set) {
  case 0: return kEmoTray;
  case 1: return kPtoInform;
  case 2: return kTweedo;
  case 3: return kYahoo;
  default: return {};
  }
}

std::string imageAddress(std::string_view base, std::string_view folder, int index) {
  std::string address(base);
  address += folder;
  address += std::to_string(index + 1);
  address += ".gif";
  return address;
}

std::string imageTag(std::string_view address) {
  std::string tag = "[img]";
  tag += address;
  tag += "[/img]";
  return tag;
}

std::string emoBaseAddress() {
  return slv::config::httpAddress(slv::configValue("SLV_EMO_HOST", SLV_DEFAULT_EMO_HOST),
                                  "/emoticons/");
}

} // namespace slv::emoticons
