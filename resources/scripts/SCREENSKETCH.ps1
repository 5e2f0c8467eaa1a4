Get-AppxPackage -AllUsers *ScreenSketch* | ForEach {Add-AppxPackage -DisableDevelopmentMode -Register "$($_.InstallLocation)\AppXManifest.xml"}
