#include "command_line.h"

#include "slv_defaults.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace slv {

namespace {

// Options the toolkit takes itself, and those of them followed by a value.
constexpr std::array<std::string_view, 13> kToolkitWithValue{"-platform",
                                                             "-platformpluginpath",
                                                             "-platformtheme",
                                                             "-plugin",
                                                             "-qwindowgeometry",
                                                             "-qwindowicon",
                                                             "-qwindowtitle",
                                                             "-display",
                                                             "-geometry",
                                                             "-style",
                                                             "-stylesheet",
                                                             "-session",
                                                             "-name"};
constexpr std::array<std::string_view, 5> kToolkitFlags{"-reverse", "-nograb", "-dograb", "-sync",
                                                        "-widgetcount"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view a) {
  return std::find(names.begin(), names.end(), a) != names.end();
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h")
      return {CommandLine::Help, {}};
    if (a == "--version" || a == "-v")
      return {CommandLine::Version, {}};
    // The browser engine's own arguments follow this one.
    if (a == "--webEngineArgs")
      break;
    if (among(kToolkitWithValue, a) || among(kToolkitFlags, a)) {
      i += among(kToolkitWithValue, a) ? 1 : 0;
      continue;
    }
    if (a.size() > 1 && a[0] == '-')
      return {CommandLine::Unknown, a};
    // Anything else (a file a desktop hands over) is not used.
  }
  return {};
}

std::string helpText() {
  struct Var {
    const char* name;
    const char* what;
    const char* fallback;
  };
  static const Var vars[] = {
      {"SLV_PORTAL_HOST", "il portale: forum, messaggi privati, accesso", SLV_DEFAULT_PORTAL_HOST},
      {"SLV_MAIL_HOST", "la posta web", SLV_DEFAULT_MAIL_HOST},
      {"SLV_MAKER_HOST", "il sito dell'autore, con la pagina di aiuto", SLV_DEFAULT_MAKER_HOST},
      {"SLV_EMO_HOST", "le immagini delle emoticon", SLV_DEFAULT_EMO_HOST},
      {"SLV_LATTEMIELE_HOST", "la radio Latte e Miele", SLV_DEFAULT_LATTEMIELE_HOST},
      {"SLV_RADIOITALIA_HOST", "la radio Radio Italia", SLV_DEFAULT_RADIOITALIA_HOST},
      {"SLV_GOOGLE_HOST", "ricerca immagini, primo servizio", SLV_DEFAULT_GOOGLE_HOST},
      {"SLV_YAHOO_HOST", "ricerca immagini, secondo servizio", SLV_DEFAULT_YAHOO_HOST},
      {"SLV_DITTO_HOST", "ricerca immagini, terzo servizio", SLV_DEFAULT_DITTO_HOST},
      {"SLV_CALSHOP_HOST", "ricerca immagini, quarto servizio", SLV_DEFAULT_CALSHOP_HOST},
      {"SLV_HOMEPAGE_URL", "l'indirizzo completo della pagina SKY FOR ALL",
       SLV_DEFAULT_HOMEPAGE_URL},
      {"SLV_PORTAL_NAME", "il nome del portale nella finestra di informazioni",
       SLV_DEFAULT_PORTAL_NAME},
      {"SLV_MESSAGES_CHECK_S",
       "secondi tra due controlli dei messaggi privati (0: nessun controllo)", "300"},
  };
  std::string t = "Uso: solvarino [--help] [--version]\n"
                  "SOLVARINO 3_w: il browser dedicato al portale, con i suoi strumenti.\n"
                  "Se il programma è già aperto, lo porta in primo piano.\n\n"
                  "Opzioni:\n"
                  "  --help      mostra questo aiuto ed esce\n"
                  "  --version   mostra la versione ed esce\n\n"
                  "Variabili d'ambiente (un host può avere una porta, es. 127.0.0.1:8080):\n";
  for (const Var& v : vars)
    t += std::string("  ") + v.name + "\n      " + v.what + " (predefinito: " + v.fallback + ")\n";
  return t;
}

std::string versionText() {
  return std::string("solvarino ") + SLV_VERSION + "\n";
}

} // namespace slv
