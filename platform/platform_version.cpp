// Keeps the platform library non-empty while its layers grow.
namespace platform {
int version() { return 1; }
}  // namespace platform
