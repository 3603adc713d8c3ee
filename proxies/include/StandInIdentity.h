#pragma once
// How this project's stand-ins for the stack's libraries say what they are:
// the product name of their version resource.  The package's setup check
// reads it to tell a stand-in it installed from the stack's own library.
#define QUORVEL_STAND_IN_PRODUCT "QuorvelCpl stack stand-in"
