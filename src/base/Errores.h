#pragma once

namespace quelvar::errores {

// Error codes and descriptions of the error report ("Error: code description").
struct Error {
    int code;
    const char* description;
};

constexpr Error ArgumentoNoValido{5, "Llamada a procedimiento o argumento no válidos"};
constexpr Error Desbordamiento{6, "Desbordamiento"};
constexpr Error DemasiadoGrande{7, "El archivo es demasiado grande para ser una apuesta de Quelvar"};
constexpr Error Subindice{9, "Subíndice fuera del intervalo"};
constexpr Error NombreLargo{52, "El nombre del archivo es demasiado largo (más de 254 caracteres)"};
constexpr Error NoEncontrado{53, "No se ha encontrado el archivo"};
constexpr Error ErrorES{57, "Error de E/S en el dispositivo"};
constexpr Error DiscoLleno{61, "Disco lleno"};
constexpr Error FinDeArchivo{62, "La entrada se ha pasado del final del archivo"};
constexpr Error PermisoDenegado{70, "Permiso denegado"};
constexpr Error AccesoRuta{75, "Error de acceso a la ruta o el archivo"};

} // namespace quelvar::errores
