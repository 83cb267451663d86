// The local portal as a program: serves until killed, prints its address.
#include "portal/Portal.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const quint16 wanted = argc > 1 ? static_cast<quint16>(QString::fromLocal8Bit(argv[1]).toUInt()) : 0;
  Portal portal;
  if (!portal.start(wanted)) {
    std::fprintf(stderr, "portal: cannot listen on 127.0.0.1:%u\n", wanted);
    return 1;
  }
  std::printf("%s\n", qPrintable(portal.host()));
  std::fflush(stdout);
  return QCoreApplication::exec();
}
