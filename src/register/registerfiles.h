#pragma once

// The register file and the coupon index.
namespace reg {
} // namespace reg
