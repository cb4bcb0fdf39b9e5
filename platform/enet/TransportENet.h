// The network session's wire over ENet (UDP with reliable ordered
// delivery): one ENet host per session object, one channel.
#pragma once

#include "platform/TransportReseau.h"

// The transport maker for ClsComReseau.
FabriqueTransport FabriqueTransportENet();
