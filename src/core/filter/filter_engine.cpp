#include "core/filter/filter_engine.h"

#include <cstring>
#include <new>
#include <utility>

#include "core/filter/filter_weights.h"

namespace korva {

FilterEngine::FilterEngine(const FilterGeometry& geometry, const FilterParams& params, uint8_t mode)
    : geometry_(geometry),
      params_(params),
      mode_(mode),
      sizeClass_(FilterSizeClass(params.kernelSize)),
      overlap_(2 * sizeClass_) {
    const size_t carryBytes = static_cast<size_t>(overlap_) * geometry.inRowBytes;
    tail_.reset(new (std::nothrow) uint8_t[carryBytes]());
    context_.reset(new (std::nothrow) uint8_t[carryBytes]());
}

uint8_t* FilterEngine::CarryLine(uint8_t* buffer, uint32_t line) const {
    return buffer + static_cast<size_t>(line) * geometry_.inRowBytes;
}

void FilterEngine::KeepTail(const FilterBand& input) {
    const size_t lineBytes = static_cast<size_t>(input.width) * FilterBytesPerPixel(input.bitsPerPixel);
    for (uint32_t j = 0; j < overlap_; ++j) {
        // Index of the kept line relative to the band's first line; negative ones are context lines.
        const int64_t source = static_cast<int64_t>(input.lines) - overlap_ + j;
        const uint8_t* line = source < 0 ? CarryLine(context_.get(), static_cast<uint32_t>(overlap_ + source))
                                         : input.pixels + source * input.rowBytes;
        std::memcpy(CarryLine(tail_.get(), j), line, lineBytes);
    }
}

void FilterEngine::FillFirstContext(const FilterBand& input) {
    const size_t lineBytes = static_cast<size_t>(input.width) * FilterBytesPerPixel(input.bitsPerPixel);
    for (uint32_t j = 0; j < overlap_; ++j) {
        const uint32_t source = j < sizeClass_ ? 0 : j - sizeClass_;
        std::memcpy(CarryLine(context_.get(), j), input.pixels + static_cast<size_t>(source) * input.rowBytes,
                    lineBytes);
    }
}

int32_t FilterEngine::Process(const FilterBand& input, FilterBand& output) {
    if (!tail_ || !context_) {
        return kFilterNoMemory;
    }
    if (params_.kernelSize < kFilterMinKernelSize || params_.kernelSize > kFilterMaxKernelSize) {
        return kFilterBadParameter;
    }
    if (mode_ != kFilterSmooth && (params_.amount > kFilterMaxAmount || params_.threshold > kFilterMaxThreshold)) {
        return kFilterBadParameter;
    }
    // The carried lines must fit the buffers sized for the image's rows.
    if (static_cast<uint64_t>(input.width) * FilterBytesPerPixel(input.bitsPerPixel) > geometry_.inRowBytes) {
        return kFilterNoMemory;
    }
    if (firstBand_ && input.lines < overlap_ + 1) {
        return kFilterShortFirstBand;
    }

    linesReceived_ += input.lines;
    const bool lastBand = linesReceived_ == geometry_.inHeight;
    FilterBand working = input;
    bool carry = !lastBand;
    if (firstBand_) {
        if (!lastBand) {
            working.lines = input.lines - sizeClass_;
        }
        FillFirstContext(input);
        working.pixels = input.pixels + static_cast<size_t>(sizeClass_) * input.rowBytes;
    } else {
        if (input.lines == 0) {
            output.width = input.width;
            output.lines = 0;
            output.rowBytes = input.rowBytes;
            output.bitsPerPixel = input.bitsPerPixel;
            return kFilterOk;
        }
        if (lastBand) {
            working.lines = input.lines + sizeClass_;
        }
    }
    if (carry) {
        KeepTail(input);
    }
    firstBand_ = false;

    if (mode_ != kFilterUnsharpMask && mode_ != kFilterSmooth && mode_ != kFilterLuminanceUnsharpMask) {
        return kFilterBadParameter;
    }
    if (!kernel_) {
        kernel_ = FilterKernel::Create(params_.kernelSize);
        if (!kernel_) {
            return kFilterNoMemory;
        }
    }
    const FilterKernel::Call call{
        .working = working,
        .output = output.pixels,
        .context = context_.get(),
        .contextRowBytes = geometry_.inRowBytes,
        .amount = params_.amount,
        .threshold = params_.threshold,
        .mode = mode_,
        .lastBand = lastBand,
    };
    const int32_t status = kernel_->Run(call);
    if (status != kFilterOk) {
        return status;
    }
    output.rowBytes = input.rowBytes;
    output.width = input.width;
    output.bitsPerPixel = input.bitsPerPixel;
    output.lines = working.lines;
    if (carry) {
        std::swap(tail_, context_);
    }
    return kFilterOk;
}

}  // namespace korva
