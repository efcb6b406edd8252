#include "ShotFile.h"

#include <fstream>

bool WriteShots(const NamedShots& shots, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    for (const auto& [name, image] : shots) {
        out << name << ' ' << image.width << ' ' << image.height << '\n';
        for (const std::uint32_t pixel : image.pixels) {
            for (int i = 0; i < 4; ++i)
                out.put(static_cast<char>((pixel >> (8 * i)) & 0xFF));
        }
    }
    return static_cast<bool>(out);
}

bool ReadShots(const std::string& path, NamedShots& shots) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string name;
    int width = 0, height = 0;
    while (in >> name >> width >> height) {
        if (width < 0 || height < 0 || width > 4096 || height > 4096 || in.get() != '\n')
            return false;
        ArgbImage image(width, height, 0);
        for (std::uint32_t& pixel : image.pixels) {
            unsigned char bytes[4];
            if (!in.read(reinterpret_cast<char*>(bytes), 4))
                return false;
            pixel = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t{bytes[3]} << 24);
        }
        shots.emplace_back(name, std::move(image));
    }
    return in.eof();
}
