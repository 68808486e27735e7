VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Boxes
   Caption         =   "Clipboard"
   ClientHeight    =   1350
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   3600
   Begin OpalineKit.txt_Opaline_opal FromText
      Height          =   315
      Left            =   150
      TabIndex        =   0
      Top             =   150
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   556
      Enabled         =   -1  'True
      Locked          =   0   'False
      Text            =   "Opaline"
      ReturnText      =   "Opaline"
   End
   Begin OpalineKit.txt_Opaline_opal ToText
      Height          =   315
      Left            =   150
      TabIndex        =   1
      Top             =   750
      Width           =   3000
      _ExtentX        =   5292
      _ExtentY        =   556
      Enabled         =   -1  'True
      Locked          =   0   'False
   End
End
