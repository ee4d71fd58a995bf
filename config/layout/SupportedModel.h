#pragma once

#include <vector>

// One entry of the fixed list of supported models. Every model has a default configuration,
// a layout and a picture, each named after the model.
struct SupportedModel
{
    const char *name;
    // Nine or more express keys, the highest of which act as the buttons of the dials; the
    // decoder turns those keys into dial packets for this model only.
    bool keysActAsDial;
    // Set when the tablet reports another model's product string and is told apart from it by
    // the product id `kSharedProductId`: that model's name.
    const char *sharedProduct;
};

// The supported models in the order the tables are loaded.
const std::vector<SupportedModel> &supportedModels();

// Ids of the pen pictures that the models' layouts refer to.
const std::vector<const char *> &supportedPenIds();

// The product id that tells the tablet sharing another model's product string apart.
constexpr unsigned kSharedProductId = 11;
