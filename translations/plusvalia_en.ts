<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>CurrencyEdit</name>
    <message>
        <source>«%1» no es un importe: escríbalo como 1.234,56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este campo no admite el importe pegado «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rehacer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cor&amp;tar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pegar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eliminar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleccionar &amp;todo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>ATENCIÓN!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilingCostChart</name>
    <message>
        <source>%1: %2 con ingreso, %3 sin ingreso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fuera de plazo, recargo del %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en plazo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentación el %1 (%2). %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total a ingresar [12] según la fecha de presentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha de presentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total a ingresar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, con ingreso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, sin ingreso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Último día en plazo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recargo del %1 % desde el %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentación elegida: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo dibujar el gráfico.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coste de presentar fuera de plazo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Conexión con la base de datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contraseña del usuario «%1» de la base de datos «%2» en %3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El servidor no ha aceptado la contraseña. Queda 1 intento.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El servidor no ha aceptado la contraseña. Quedan %1 intentos.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Vista previa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vista previa - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configurar página</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar como PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar como PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acercar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alejar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamaño real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primera página</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Última página</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ancho de página</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página completa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom: %1, %2, %3; también Ctrl+rueda del ratón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Página que se muestra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscar en el documento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coincidencia anterior (Mayús+Intro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coincidencia siguiente (Intro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar la búsqueda (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay ninguna impresora instalada en el sistema.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin resultados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo imprimir en la impresora «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>documento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo «%1».
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imágenes PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo exportar el archivo «%1».
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsSheet</name>
    <message>
        <source>[1] Base Imponible......................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[2] Tipo de Gravamen..................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[3] Cuota Tributaria [1]x[2]...........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[4] Bonificación.........................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[5] Cuota Líquida [3]-[4]..............</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[6] Recargo único......................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[7] Importe Recargo único............</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[8] R. único reducido [7]x75%.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[9] Intereses Demora..................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[10] Recargo Ejecutivo................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[11] Importe R. Ejecutivo.............</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[12] TOTAL A INGRESAR..............</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[1] Base Imponible.....................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[2] Tipo de Gravamen.................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[3] Cuota Tributaria [1]x[2]..........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[8] R. único reducido [7]x75%........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[9] Intereses Demora...................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[10] Recargo Ejecutivo.................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[11] Importe R. Ejecutivo..............</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[12] TOTAL A INGRESAR...............</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plena Propiedad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuda Propiedad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usufructo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[5]+[8]+[9]+[11]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATENCIÓN!! La administración podrá incoar el correspondiente Expediente Sancionador</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Simulation</name>
    <message>
        <source>Falta el valor catastral del suelo para realizar la simulación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falta la edad del Usufructuario para realizar la simulación.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falta la fecha del fin usufructo temporal para realizar la simulación.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFMensaje</name>
    <message>
        <source>Cargando Aplicación ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_CONFIGURACION</name>
    <message>
        <source>Configuración de I.I.V.T.N.U.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gravamenes y Tipos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleccione el año de devengo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De 1 Año  hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>años .................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>años hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>años hasta 20 años ........................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo de Gravamen...........................................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reducción del artículo 107.3 ...........................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar nuevos datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modificar datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver Todos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insertar Registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar Registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscar Notario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleccione los días Inhábiles a efectos administrativos en el calendario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desmarcar Inhábil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todos los domingos están considerados como inhábiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apellidos, Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Días Inhábiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No existe registro seleccionado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar Registro!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Está seguro de borrar el registro?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esa fecha ya está marcada como inhabil en el calendario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todos los domingos están marcados como inhabiles en el calendario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El día seleccionado se ha marcado como inhábil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Está seguro de marcar como hábil el día %1 ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha creado el módulo de datos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_altanotarios</name>
    <message>
        <source>Alta Notarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apellidos, Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debe introducir algún nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Está seguro de guardar los datos?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_borrador1</name>
    <message>
        <source>Simulador I.I.V.T.N.U.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datos de la Liquidación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor Catastral correspondiente al suelo del bien transmitido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>........................................................................................................................................................................................................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿El valor catastral ha sido modificado como consecuencia de un
procedimiento de valoración colectiva de carácter general, en los
cinco años inmediatamente anteriores a la fecha de la transmisión?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Como consecuencia de la revisión de valores catastrales con efectos 2014, 
todas las transmisiones que se produzcan en ese período impositivo y en los
4 posteriores, gozarán de una reducción en el valor catastral computable 
de un 40 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor Catastral Reducido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porcentaje Transmitido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor para liquidación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tipo de Transmisión </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inter-vivos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortis-causa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Clase de Transmisión </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plena Propiedad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuda Propiedad y Usufructo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tipo Usufructo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitalicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edad del Usufructuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha vencimiento del Usufructo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha de Adquisición</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha de Transmisión (Devengo del Impuesto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha de Presentación de la Autoliquidación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha Límite para la presentación de la Autoliquidación......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prórroga en la presentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podrá solicitar prorroga por un período de 6 meses más.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonificaciones en la cuota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultados e Impresión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentación con Ingreso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marque esta casilla si ha recibido un requerimiento previo de la administración.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opciones de Impresión del borrador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuda Propiedad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usufructo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limpiar Datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legislación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada de Datos!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fecha debe estar comprendida entre el %1 y el %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fecha no puede ser posterior al %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fecha escrita no es válida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha de Fallecimiento (Devengo del Impuesto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fecha de devengo no puede ser inferior a la de adquisición</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fecha del usufructo no puede ser inferior a la fecha de devengo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fecha de devengo no puede ser inferior al titulo previo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La fecha de presentación no puede ser inferior al devengo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coste de presentar fuera de plazo…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gráfico del total a ingresar según la fecha de presentación (Ctrl+G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir simulación…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abre una simulación guardada (Ctrl+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar simulación…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guarda los datos de esta simulación (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recientes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulaciones abiertas o guardadas hace poco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulaciones (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrir simulación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>simulacion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar simulación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo guardar la simulación en «%1».
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede abrir la simulación «%1».
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La bonificación «%1» no figura en la lista de este programa.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(ninguna)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vaciar la lista</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_grafico</name>
    <message>
        <source>Coste de presentar fuera de plazo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total a ingresar según la fecha de presentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flechas izquierda y derecha: un día; Re Pág y Av Pág: un mes; Inicio y Fin: primer y último día.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar &amp;PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar el gráfico como PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imágenes PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar el gráfico como PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coste-fuera-de-plazo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se pudo guardar el archivo «%1».
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_inicio</name>
    <message>
        <source>ZUMERA-Simulador I.I.V.T.N.U. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuntamiento de Sarvelina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zumeria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I.I.V.T.N.U.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acerca de...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_legislacion</name>
    <message>
        <source>Legislación aplicable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naturaleza y hecho imponible. Supuestos de no sujeción.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exenciones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sujetos pasivos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo de gravamen. Cuota íntegra y cuota líquida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonificaciones Municipales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base imponible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devengo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestión tributaria del impuesto.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cálculo Usufructo y Nuda propiedad.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver texto completo de la ordenanza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volver</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_nuevogravamen</name>
    <message>
        <source>Nuevo Gravamen y Tipos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Año</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tramo 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De 1 Año  hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>años .................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tramo 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>años hasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tramo 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tramo 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>años hasta 20 años ........................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo de Gravamen...........................................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reducción del artículo 107.3 ...........................</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ya existen datos para este Año</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faltan datos para continuar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atención</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datos guardados correctamente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datos modificados correctamente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modificar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm_version</name>
    <message>
        <source>Acerca de...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concejalía de Economía y Hacienda
Zumeria (ZUMERA)
Simulador I.I.V.T.N.U. (Versión descargable)
Versión: 1.0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPD para el Ayuntamiento de Sarvelina (Ordelia)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta herramienta no constituye una liquidación oficial,
sólo es una simulación en base a los dados introducidos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacto y sugerencias</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMyConnection</name>
    <message>
        <source>No está disponible el controlador MySQL de Qt (paquete libqt6sql6-mysql)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede conectar con el servidor de base de datos: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha perdido la conexión con el servidor de base de datos: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La base de datos no ha aceptado la operación: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>convert</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El valor &apos;%1&apos; tiene más de %2 decimales</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
