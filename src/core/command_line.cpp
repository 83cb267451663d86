#include "command_line.h"

#include "slv_defaults.h"

#include <array>
#include <string_view>

namespace slv {

namespace {

// Options the toolkit's application objects take themselves, by their one-dash
// names: QGuiApplication's and QApplication's, then those of X11 (-title and
// -icon are QGuiApplication's names there for -qwindowtitle and -qwindowicon).
struct ToolkitOption {
  std::string_view name;
  bool value;        // followed by a value, as the next argument
  bool valueJoined;  // the value may also follow a '=' ("-style=fusion")
};
constexpr std::array<ToolkitOption, 21> kToolkit{{
    {"-platform", true, false},
    {"-platformpluginpath", true, false},
    {"-platformtheme", true, false},
    {"-plugin", true, false},
    {"-qmljsdebugger", true, true},
    {"-qwindowgeometry", true, false},
    {"-qwindowicon", true, false},
    {"-qwindowtitle", true, false},
    {"-reverse", false, false},
    {"-session", true, false},
    {"-style", true, true},
    {"-stylesheet", true, true},
    {"-widgetcount", false, false},
    // X11: taken by Qt there only; elsewhere left unused, as a file name is.
    {"-display", true, false},
    {"-geometry", true, false},
    {"-title", true, false},
    {"-icon", true, false},
    {"-name", true, false},
    {"-nograb", false, false},
    {"-dograb", false, false},
    {"-sync", false, false},
}};

// How many arguments from args[i] on belong to a toolkit option (0: none).
// Qt takes every option with one dash or two; the value of -style,
// -stylesheet and -qmljsdebugger may also be joined with '='.
std::size_t toolkitArguments(const std::vector<std::string>& args, std::size_t i) {
  std::string_view a = args[i];
  if (a.size() > 2 && a[0] == '-' && a[1] == '-')
    a.remove_prefix(1);
  for (const ToolkitOption& o : kToolkit) {
    if (a == o.name)
      return o.value ? 2 : 1;
    if (o.valueJoined && a.size() > o.name.size() && a.substr(0, o.name.size()) == o.name &&
        a[o.name.size()] == '=')
      return 1;
  }
  return 0;
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
    if (const std::size_t n = toolkitArguments(args, i); n > 0) {
      i += n - 1;
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
