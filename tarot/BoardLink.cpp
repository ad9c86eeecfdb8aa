#include "tarot/BoardLink.h"

tarot::HandOverRoute& tarot::handOverRoute() {
  static HandOverRoute route;
  return route;
}
