#ifndef RESOURCES_H
#define RESOURCES_H

// Registers the compiled-in resources (images, schema script, invoice templates). The
// library is static, so the executable and the tests call this before any window.
void initZarpoResources();

#endif // RESOURCES_H
