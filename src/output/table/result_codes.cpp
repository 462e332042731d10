// Messages of the report reading result codes.
#include "output/table/result_codes.h"

#include <array>
#include <cstdlib>

std::string ReportResultMessage(int code) {
    static const std::array<const char*, 17> kMessages = {
        "",
        "Для данного отчета не настроены значения для колонок таблицы. ",
        "Модуль не найден",
        "Связь не настроена",
        "Нет связи",
        "Нет подключения к адаптеру",
        "Модуль не найден",
        "Дата начала периода больше или равна дате окончания",
        "Флешка не подключена",
        "Нет файлов для данного типа архивов",
        "Нет архивов в указанном временном периоде",
        "Выбран слишком большой диапазон дат",
        "Ошибка несовпадения дат",
        "Не совпали идентификаторы очереди задач",
        "Файл уже существует",
        "Данный тип архивов не настроен",
        "Успешно",
    };
    const int index = std::abs(code);
    return index < static_cast<int>(kMessages.size()) ? kMessages[index] : "";
}
